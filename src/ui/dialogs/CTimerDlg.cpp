#include "CTimerDlg.h"

#include "CAlarmData.h"
#include "CAlarmInfo.h"
#include "CChannelInfo.h"
#include "CPropertyGrid.h"
#include "CTarnell1018Doc.h"
#include "CommandIds.h"
#include "HelpTopic.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr uint8_t kWorkdays = 0x3E;
constexpr uint8_t kWeekend = 0xC0;
constexpr int kGroupTimer = 1;

// The character tables a timer text can name, with their stored codes.
constexpr std::pair<const char*, int> kCodePages[] = {
    {"ISO 8859-2 Central Europe", 0}, {"ISO 8859-5 Cyrillic", 1},
    {"ISO 8859-6 Arabic", 2},         {"ISO 8859-7 Greek", 3},
    {"ISO 8859-8 Hebrew", 4},         {"ISO 8859-9 Latin-5", 5},
    {"ISO 6937-Latin", 11},           {"UTF-8", 16},
};

QString TwoDigits(int hours, int minutes) {
    return QString::asprintf("%2.2i:%2.2i", hours, minutes);
}

int PositiveModulo(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

} // namespace

CTimerDlg::CTimerDlg(CTarnell1018Doc& document, ChannelSelector selectChannel, QWidget* parent)
    : QDialog(parent), m_document(document), m_selectChannel(std::move(selectChannel)) {
    SetHelpTopic(this, "timers");
    setObjectName(QStringLiteral("timerDialog"));
    setWindowTitle(tr("Timers"));
    setSizeGripEnabled(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("list_1078"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setColumnCount(kColumnCount);
    m_list->setHeaderLabels({tr("No."), tr("Repetition"), tr("Start"), tr("Date"),
                             tr("Duration (End)"), tr("Channel"), tr("Text")});
    const int widths[kColumnCount] = {50, 75, 45, 90, 85, 90, 130};
    for (int c = 0; c < kColumnCount; ++c) {
        m_list->setColumnWidth(c, widths[c] * logicalDpiX() / 96);
    }
    m_list->headerItem()->setTextAlignment(kColRow, Qt::AlignRight | Qt::AlignVCenter);

    m_properties = new CPropertyGrid(this);
    m_properties->setObjectName(QStringLiteral("timerProperties"));
    m_properties->AddGroup(kGroupTimer, tr("Timer"));
    m_properties->AddProperty(kGroupTimer, PropertySpec(kPropText, tr("Text"))
                                               .Describe(tr("The timer's text, at most %1 "
                                                            "characters.")
                                                             .arg(CAlarmInfo::kMaxText)));
    m_properties->AddProperty(
        kGroupTimer, PropertySpec(kPropCodePage, tr("Character table"), PropertyKind::Choice));
    CComboBoxExProp codePages;
    for (const auto& [name, code] : kCodePages) {
        codePages.Add(QString::fromLatin1(name), code);
    }
    m_properties->SetOptions(kPropCodePage, codePages);
    m_properties->AddProperty(kGroupTimer,
                              PropertySpec(kPropFlag10, tr("Flag 1"), PropertyKind::Check));
    m_properties->AddProperty(kGroupTimer,
                              PropertySpec(kPropFlag0C, tr("Flag 2"), PropertyKind::Check));

    m_new = new QAction(tr("New Timer"), this);
    m_new->setEnabled(false); // the receiver makes timers; the editor only changes them
    m_delete = new QAction(tr("Delete"), this);
    m_delete->setObjectName(QString::number(kCmdTimerDelete));
    m_delete->setShortcut(QKeySequence::Delete);
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_list->addAction(m_delete);
    m_deleteAll = new QAction(tr("Delete All Timers"), this);
    m_deleteAll->setObjectName(QString::number(kCmdTimerDeleteAll));
    connect(m_delete, &QAction::triggered, this, &CTimerDlg::DeleteSelected);
    connect(m_deleteAll, &QAction::triggered, this, &CTimerDlg::DeleteAll);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &CTimerDlg::OnCurrentChanged);
    connect(m_list, &QTreeWidget::itemClicked, this, [this] { OnCurrentChanged(); });
    connect(m_list, &QTreeWidget::itemActivated, this, &CTimerDlg::OnActivated);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_delete->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QWidget::customContextMenuRequested, this, &CTimerDlg::ShowContextMenu);

    connect(m_properties, &CPropertyGrid::ValueCommitted, this, &CTimerDlg::OnPropertyCommitted);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* side = new QVBoxLayout;
    side->addWidget(m_properties);
    side->addStretch();
    side->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(side);
    resize(900, 420);

    // The timers name channels by position: follow moved channels first, so each row names
    // the channel the timer was set for.
    m_document.PrepareTimers();
    Fill();
}

QDate CTimerDlg::DateOfDay(int dayNumber) {
    // Timer days are Modified Julian Dates: day 0 is 17 November 1858.
    return QDate(1858, 11, 17).addDays(dayNumber);
}

QString CTimerDlg::RepetitionText(const CAlarmData& timer) {
    switch (timer.GetRepetitionKind()) {
    case 0:
        return tr("None");
    case 1:
        return tr("Once");
    case 2:
        return tr("Daily");
    case 3:
        if (timer.GetWeekdayMask() == kWorkdays) {
            return tr("Mon-Fri");
        }
        if (timer.GetWeekdayMask() == kWeekend) {
            return tr("Sat-Sun");
        }
        return tr("Weekly");
    default:
        return tr("Other");
    }
}

QString CTimerDlg::StartText(const CAlarmData& timer) {
    return TwoDigits(timer.GetStartHour(), timer.GetStartMinute());
}

QString CTimerDlg::DateText(const CAlarmData& timer) {
    if (timer.GetRepetitionKind() == 1) {
        return QLocale().toString(DateOfDay(timer.GetStartDay()), QLocale::ShortFormat);
    }
    if (timer.GetRepetitionKind() != 3) {
        return {};
    }
    const QString days[] = {tr("Mo."), tr("Di."), tr("Mi."), tr("Do."),
                            tr("Fr."), tr("Sa."), tr("So.")};
    QString text;
    for (int day = 0; day < 7; ++day) {
        if (timer.GetWeekdayMask() & (0x02 << day)) {
            text += days[day];
        }
    }
    return text;
}

QString CTimerDlg::DurationText(const CAlarmData& timer) {
    const int minutes = (timer.GetEndDay() - timer.GetStartDay()) * 24 * 60 +
                        (timer.GetEndHour() - timer.GetStartHour()) * 60 + timer.GetEndMinute() -
                        timer.GetStartMinute();
    // Hours modulo 24 and minutes modulo 60, whatever order the two date-times are in.
    const int inDay = PositiveModulo(minutes, 24 * 60);
    return QStringLiteral("%1 (%2)").arg(TwoDigits(inDay / 60, inDay % 60),
                                         TwoDigits(timer.GetEndHour(), timer.GetEndMinute()));
}

void CTimerDlg::Fill() {
    m_list->clear();
    const auto listed = m_document.ListedTimers();
    const QIcon icons[] = {style()->standardIcon(QStyle::SP_MediaPlay),
                           style()->standardIcon(QStyle::SP_FileDialogInfoView)};
    QList<QTreeWidgetItem*> items;
    for (size_t row = 0; row < listed.size(); ++row) {
        auto* item = new QTreeWidgetItem;
        item->setData(kColRow, kIndexRole, static_cast<qulonglong>(listed[row]));
        item->setText(kColRow, QString::asprintf("%5d", static_cast<int>(row + 1)));
        item->setTextAlignment(kColRow, Qt::AlignRight | Qt::AlignVCenter);
        const int icon = m_document.File().m_timers.At(listed[row])->GetIconIndex();
        if (icon < 2) {
            item->setIcon(kColRow, icons[icon]);
        }
        FillRow(*item, listed[row]);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    // The given widths, or wider where a text (a long date form, an icon) needs it.
    for (int c = 0; c < kColumnCount; ++c) {
        const int given = m_list->columnWidth(c);
        m_list->resizeColumnToContents(c);
        m_list->setColumnWidth(c, std::max(given, m_list->columnWidth(c)));
    }
    if (!items.isEmpty()) {
        m_list->setCurrentItem(items.first());
    }
    m_delete->setEnabled(!m_list->selectedItems().isEmpty());
    m_deleteAll->setEnabled(!items.isEmpty());
    OnCurrentChanged();
}

void CTimerDlg::FillRow(QTreeWidgetItem& item, size_t index) const {
    const CSettingsFile& file = m_document.File();
    const CAlarmData& timer = *file.m_timers.At(index);
    item.setText(kColRepetition, RepetitionText(timer));
    item.setText(kColStart, StartText(timer));
    item.setText(kColDate, DateText(timer));
    item.setText(kColDuration, DurationText(timer));
    QString channelName;
    if (const CChannelData* channel = m_document.TimerChannel(index)) {
        if (channel->GetNameIndex() < file.m_channelNames.Size()) {
            channelName = QString::fromStdString(
                file.m_channelNames.At(channel->GetNameIndex())->GetDisplayName());
        }
    }
    item.setText(kColChannel, channelName);
    item.setText(kColText, index < file.m_timerInfos.Size()
                               ? QString::fromStdString(file.m_timerInfos.At(index)->GetText())
                               : QString());
}

long CTimerDlg::CurrentTimer() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? static_cast<long>(item->data(kColRow, kIndexRole).toULongLong()) : -1;
}

std::vector<size_t> CTimerDlg::SelectedTimers() const {
    std::vector<size_t> timers;
    for (const QTreeWidgetItem* item : m_list->selectedItems()) {
        timers.push_back(static_cast<size_t>(item->data(kColRow, kIndexRole).toULongLong()));
    }
    return timers;
}

void CTimerDlg::OnCurrentChanged() {
    const long index = CurrentTimer();
    const CSettingsFile& file = m_document.File();
    const auto i = static_cast<size_t>(index);
    const CAlarmData* timer = index >= 0 ? file.m_timers.At(i) : nullptr;
    const CAlarmInfo* info =
        index >= 0 && i < file.m_timerInfos.Size() ? file.m_timerInfos.At(i) : nullptr;
    m_properties->CancelEditing();
    m_properties->SetValue(kPropText,
                           info ? QVariant(QString::fromStdString(info->GetText())) : QVariant());
    m_properties->SetValue(kPropCodePage,
                           info ? QVariant(static_cast<int>(info->GetCodePageCode())) : QVariant());
    m_properties->SetValue(kPropFlag10, timer ? QVariant(timer->GetFlag10()) : QVariant());
    m_properties->SetValue(kPropFlag0C, timer ? QVariant(timer->GetFlag0C()) : QVariant());
    m_properties->SetPropertyEnabled(kPropText, info != nullptr);
    m_properties->SetPropertyEnabled(kPropCodePage, info != nullptr);
    m_properties->SetPropertyEnabled(kPropFlag10, timer != nullptr);
    m_properties->SetPropertyEnabled(kPropFlag0C, timer != nullptr);
    m_properties->ResetOriginalValues();
    if (index < 0) {
        return;
    }
    if (m_selectChannel) {
        m_selectChannel(m_document.TimerChannel(i));
    }
}

void CTimerDlg::OnPropertyCommitted(int id, const QVariant& value) {
    const long index = CurrentTimer();
    if (index < 0) {
        return;
    }
    const auto i = static_cast<size_t>(index);
    switch (id) {
    case kPropText: {
        // The record holds 22 characters; a longer text is cut visibly, not refused silently.
        QString text = value.toString();
        if (text.size() > static_cast<int>(CAlarmInfo::kMaxText)) {
            text.truncate(static_cast<int>(CAlarmInfo::kMaxText));
            m_properties->SetValue(kPropText, text);
            m_properties->ShowRefusal(tr("The timer holds %1 characters; the text was cut to "
                                         "\"%2\".")
                                          .arg(CAlarmInfo::kMaxText)
                                          .arg(text));
        }
        m_document.SetTimerText(i, text.toStdString());
        break;
    }
    case kPropCodePage:
        m_document.SetTimerCodePage(i, static_cast<uint8_t>(value.toInt()));
        break;
    case kPropFlag10:
        m_document.SetTimerFlag(i, CTarnell1018Doc::TimerFlag::Flag10, value.toBool());
        break;
    case kPropFlag0C:
        m_document.SetTimerFlag(i, CTarnell1018Doc::TimerFlag::Flag0C, value.toBool());
        break;
    default:
        return;
    }
    RefreshCurrentRow();
}

void CTimerDlg::OnActivated(QTreeWidgetItem* item) {
    if (item) {
        accept();
    }
}

void CTimerDlg::RefreshCurrentRow() {
    if (QTreeWidgetItem* item = m_list->currentItem()) {
        FillRow(*item, static_cast<size_t>(CurrentTimer()));
    }
}

void CTimerDlg::ShowContextMenu(const QPoint& at) {
    if (m_list->topLevelItemCount() == 0) {
        return;
    }
    QMenu menu(this);
    menu.addAction(m_new);
    menu.addAction(m_delete);
    menu.addAction(m_deleteAll);
    menu.exec(m_list->viewport()->mapToGlobal(at));
}

void CTimerDlg::DeleteSelected() {
    const auto timers = SelectedTimers();
    if (timers.empty()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int nextRow = m_list->topLevelItemCount();
    for (QTreeWidgetItem* item : m_list->selectedItems()) {
        nextRow = std::min(nextRow, m_list->indexOfTopLevelItem(item));
    }
    m_document.DeleteTimers(timers);
    Fill();
    // The row where the first deleted one stood, or the new last row; none in an empty list.
    if (const int rows = m_list->topLevelItemCount(); rows > 0) {
        m_list->setCurrentItem(m_list->topLevelItem(std::min(nextRow, rows - 1)));
    }
    QApplication::restoreOverrideCursor();
}

void CTimerDlg::DeleteAll() {
    m_document.DeleteAllTimers();
    Fill();
}

} // namespace tarnell
