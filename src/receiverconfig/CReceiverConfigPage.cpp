#include "CReceiverConfigPage.h"

#include "CIpAddressEdit.h"
#include "CSettingsFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

namespace {

namespace rc = ReceiverConfig;

QString Translated(const char* text, int arg) {
    QString shown = QCoreApplication::translate("ReceiverConfig", text);
    return arg >= 0 ? shown.arg(arg) : shown;
}

QString ShownOption(const rc::Option& option) {
    return option.translated ? Translated(option.text, option.arg) : QString::fromUtf8(option.text);
}

bool IsList(rc::Kind kind) {
    return kind == rc::Kind::List || kind == rc::Kind::ByteList || kind == rc::Kind::InvertedList ||
           kind == rc::Kind::Resolution;
}

bool IsSite(rc::Kind kind) {
    return kind == rc::Kind::Longitude || kind == rc::Kind::Latitude;
}

QString SiteNumber(uint32_t thousandths) {
    return QStringLiteral("%1.%2")
        .arg(thousandths / 1000)
        .arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}

QString RangeText(int value) {
    return QString::number(value);
}

} // namespace

CReceiverConfigPage::CReceiverConfigPage(rc::Page page, const CSettingsFile& file, QWidget* parent)
    : COptionsPage(parent), m_page(page), m_file(file) {
    setObjectName(QString::fromLatin1(rc::PageKey(page)));
    auto* inner = new QWidget;
    auto* form = new QFormLayout(inner);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const rc::Field& field : rc::Fields()) {
        if (field.page == page) {
            m_rows.push_back({&field});
        }
    }
    for (Row& row : m_rows) {
        QWidget* editor = MakeEditor(row);
        auto* label = new QLabel(Translated(row.field->label, row.field->labelArg), inner);
        label->setBuddy(editor);
        if (row.side) {
            auto* pair = new QWidget(inner);
            auto* line = new QHBoxLayout(pair);
            line->setContentsMargins(0, 0, 0, 0);
            line->addWidget(editor, 1);
            line->addWidget(row.side);
            form->addRow(label, pair);
        } else {
            form->addRow(label, editor);
        }
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes straight from the page list to the first field.
    scroll->setFocusPolicy(Qt::NoFocus);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("configProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_problem->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_problem);
    FollowTvSystem();
    FollowDhcp();
}

QWidget* CReceiverConfigPage::MakeEditor(Row& row) {
    const rc::Field& field = *row.field;
    const int64_t value = rc::ReadNumber(m_file, field);
    QWidget* editor = nullptr;
    if (IsList(field.kind)) {
        auto* box = new QComboBox(this);
        FillList(box, rc::OptionsOf(m_file, field), field, value);
        row.initialIndex = box->currentIndex();
        if (field.offset == rc::kTvSystemOffset) {
            connect(box, &QComboBox::currentIndexChanged, this,
                    &CReceiverConfigPage::FollowTvSystem);
        }
        if (field.offset == rc::kDhcpOffset) {
            connect(box, &QComboBox::currentIndexChanged, this, &CReceiverConfigPage::FollowDhcp);
        }
        editor = box;
    } else if (field.kind == rc::Kind::CheckBox) {
        auto* check = new QCheckBox(this);
        // A value other than 0 and 1 shows as neither, and stays unless the user clicks.
        check->setTristate(value != 0 && value != 1);
        check->setCheckState(value == 0 ? Qt::Unchecked
                                        : (value == 1 ? Qt::Checked : Qt::PartiallyChecked));
        row.initialIndex = check->checkState();
        connect(check, &QCheckBox::clicked, check, [check] { check->setTristate(false); });
        editor = check;
    } else if (field.kind == rc::Kind::Milliseconds || field.kind == rc::Kind::Level) {
        const bool ms = field.kind == rc::Kind::Milliseconds;
        auto* holder = new QWidget(this);
        auto* line = new QHBoxLayout(holder);
        line->setContentsMargins(0, 0, 0, 0);
        auto* slider = new QSlider(Qt::Horizontal, holder);
        slider->setObjectName(QStringLiteral("slider"));
        slider->setRange(ms ? 0 : -10, ms ? 20 : 10);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        slider->setPageStep(1);
        auto* shown = new QLabel(holder);
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral("400 ms")));
        const auto show = [shown, ms](int position) {
            shown->setText(ms ? QStringLiteral("%1 ms").arg(position * 20) : RangeText(position));
        };
        connect(slider, &QSlider::valueChanged, shown, show);
        slider->setValue(ms ? int((static_cast<uint32_t>(value) & 0xFFFF) / 20)
                            : int(std::clamp<int64_t>(value, -10, 10)));
        show(slider->value());
        row.initialIndex = slider->value();
        line->addWidget(slider, 1);
        line->addWidget(shown);
        row.editor = slider;
        holder->setFocusProxy(slider);
        return holder;
    } else if (field.kind == rc::Kind::Address) {
        auto* edit = new CIpAddressEdit(this);
        edit->SetAddress(static_cast<uint32_t>(value));
        editor = edit;
    } else {
        auto* edit = new QLineEdit(this);
        if (field.kind == rc::Kind::Code) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,4}")), edit));
            edit->setPlaceholderText(QStringLiteral("____"));
            QString code;
            for (size_t k = 0; k < 4; ++k) {
                code += QChar(char16_t(m_file.m_configuration.GetByte(field.offset + k)));
            }
            edit->setText(code);
        } else if (IsSite(field.kind)) {
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("\\d{0,3}([.,]\\d{0,3})?")), edit));
            edit->setPlaceholderText(QStringLiteral("___.___"));
            const rc::Site site = rc::SiteOf(static_cast<uint32_t>(value));
            edit->setText(SiteNumber(site.thousandths));
            row.side = new QComboBox(this);
            const bool longitude = field.kind == rc::Kind::Longitude;
            row.side->addItem(longitude ? QStringLiteral("° E") : QStringLiteral("° N"));
            row.side->addItem(longitude ? QStringLiteral("° W") : QStringLiteral("° S"));
            row.side->setCurrentIndex(site.westOrSouth ? 1 : 0);
            // Both hemisphere lists as wide, so that the two numbers line up.
            row.side->setFixedWidth(
                row.side->fontMetrics().horizontalAdvance(QStringLiteral("° W")) + 48);
            row.initialSide = row.side->currentIndex();
        } else if (field.kind == rc::Kind::Text) {
            // Windows-1252 holds every character it can store in one byte.
            edit->setMaxLength(int(rc::kTextBytes));
            if (rc::IsAvailable(m_file, field)) {
                edit->setText(QString::fromStdString(rc::ValueText(m_file, field)));
            } else {
                edit->setEnabled(false);
            }
        }
        editor = edit;
    }
    editor->setEnabled(editor->isEnabled() && !field.shownDisabled &&
                       field.kind != rc::Kind::Resolution);
    row.editor = editor;
    return editor;
}

void CReceiverConfigPage::FillList(QComboBox* box, std::span<const rc::Option> options,
                                   const rc::Field& field, int64_t value) {
    box->blockSignals(true);
    box->clear();
    for (const rc::Option& option : options) {
        box->addItem(ShownOption(option), QVariant::fromValue<qlonglong>(option.value));
    }
    const rc::Option* match = rc::MatchOption(options, field, value);
    box->setCurrentIndex(match ? int(match - options.data()) : -1);
    box->blockSignals(false);
}

void CReceiverConfigPage::FollowTvSystem() {
    const Row* system = RowAt(rc::kTvSystemOffset);
    auto* resolution = const_cast<Row*>(RowAt(568));
    if (!system || !resolution) {
        return;
    }
    const auto* box = static_cast<QComboBox*>(system->editor);
    const uint32_t tv = box->currentIndex() >= 0
                            ? static_cast<uint32_t>(box->currentData().toLongLong())
                            : m_file.m_configuration.GetWord(rc::kTvSystemOffset);
    FillList(static_cast<QComboBox*>(resolution->editor), rc::ResolutionOptions(tv),
             *resolution->field, rc::ReadNumber(m_file, *resolution->field));
}

void CReceiverConfigPage::FollowDhcp() {
    const Row* dhcp = RowAt(rc::kDhcpOffset);
    if (!dhcp) {
        return;
    }
    const auto* box = static_cast<QComboBox*>(dhcp->editor);
    const bool manual = box->currentIndex() < 0 || box->currentData().toLongLong() != 1;
    for (const Row& row : m_rows) {
        if (row.field->kind == rc::Kind::Address) {
            row.editor->setEnabled(manual);
        }
    }
}

const CReceiverConfigPage::Row* CReceiverConfigPage::RowAt(size_t offset) const {
    for (const Row& row : m_rows) {
        if (row.field->offset == offset) {
            return &row;
        }
    }
    return nullptr;
}

QWidget* CReceiverConfigPage::Editor(size_t offset) const {
    const Row* row = RowAt(offset);
    return row ? row->editor : nullptr;
}

QString CReceiverConfigPage::Title() const {
    return QCoreApplication::translate("ReceiverConfig", rc::PageTitle(m_page));
}

QIcon CReceiverConfigPage::Icon() const {
    struct Look {
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    static constexpr Look kLooks[rc::kPageCount] = {
        {"preferences-desktop-locale", QStyle::SP_MessageBoxInformation},
        {"media-record", QStyle::SP_MediaPlay},
        {"security-high", QStyle::SP_MessageBoxWarning},
        {"video-display", QStyle::SP_DesktopIcon},
        {"preferences-system-time", QStyle::SP_BrowserReload},
        {"audio-volume-high", QStyle::SP_MediaVolume},
        {"network-wired", QStyle::SP_DriveNetIcon},
        {"view-list-details", QStyle::SP_FileDialogDetailedView},
        {"applications-science", QStyle::SP_ArrowUp},
        {"x-office-calendar", QStyle::SP_FileDialogInfoView},
    };
    const Look& look = kLooks[static_cast<int>(m_page)];
    return QIcon::fromTheme(QString::fromLatin1(look.theme), style()->standardIcon(look.fallback));
}

bool CReceiverConfigPage::Refuse(QWidget* editor, const QString& message) {
    m_problem->setText(message);
    m_problem->show();
    editor->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->selectAll();
    }
    return false;
}

bool CReceiverConfigPage::Validate() {
    m_problem->hide();
    std::vector<rc::Change> changes;
    CollectChanges(changes);
    for (const rc::Change& change : changes) {
        const rc::Field& field = *change.field;
        if (!rc::Check(change)) {
            continue;
        }
        QWidget* editor = RowAt(field.offset)->editor;
        switch (field.kind) {
        case rc::Kind::Code:
            return Refuse(editor, tr("The PIN code must be exactly four digits."));
        case rc::Kind::Address:
            return Refuse(editor, tr("An address must be four numbers from 0 to 255 separated "
                                     "by dots, such as 192.168.0.10."));
        case rc::Kind::Longitude:
            return Refuse(editor, tr("The longitude must lie from 0 to 180 degrees, with at "
                                     "most three decimals."));
        case rc::Kind::Latitude:
            return Refuse(editor, tr("The latitude must lie from 0 to 90 degrees, with at "
                                     "most three decimals."));
        case rc::Kind::Text:
            return Refuse(editor, tr("The receiver stores at most 127 characters of Western "
                                     "European text here."));
        default:
            return Refuse(editor, tr("This value cannot be stored."));
        }
    }
    return true;
}

void CReceiverConfigPage::CollectChanges(std::vector<rc::Change>& changes) const {
    for (const Row& row : m_rows) {
        const rc::Field& field = *row.field;
        rc::Change change{&field, 0, {}};
        if (IsList(field.kind)) {
            const auto* box = static_cast<QComboBox*>(row.editor);
            if (field.kind == rc::Kind::Resolution || box->currentIndex() < 0 ||
                box->currentIndex() == row.initialIndex) {
                continue;
            }
            change.number = box->currentData().toLongLong();
        } else if (field.kind == rc::Kind::CheckBox) {
            const auto* check = static_cast<QCheckBox*>(row.editor);
            if (check->checkState() == row.initialIndex ||
                check->checkState() == Qt::PartiallyChecked) {
                continue;
            }
            change.number = check->isChecked() ? 1 : 0;
        } else if (field.kind == rc::Kind::Milliseconds || field.kind == rc::Kind::Level) {
            const auto* slider = static_cast<QSlider*>(row.editor);
            if (slider->value() == row.initialIndex) {
                continue;
            }
            change.number =
                field.kind == rc::Kind::Milliseconds ? slider->value() * 20 : slider->value();
        } else if (field.kind == rc::Kind::Address) {
            const auto* edit = static_cast<const CIpAddressEdit*>(row.editor);
            if (!edit->isModified()) {
                continue;
            }
            // An incomplete address is refused by Check.
            change.number = edit->Address() ? int64_t(*edit->Address()) : -1;
        } else if (IsSite(field.kind)) {
            const auto* edit = static_cast<const QLineEdit*>(row.editor);
            if (!edit->isModified() && row.side->currentIndex() == row.initialSide) {
                continue;
            }
            rc::Site site = rc::SiteOf(static_cast<uint32_t>(rc::ReadNumber(m_file, field)));
            if (edit->isModified()) {
                const auto typed = rc::ParseThousandths(edit->text().toStdString(), 999999);
                site.thousandths = typed ? *typed : 999999;
            }
            site.westOrSouth = row.side->currentIndex() == 1;
            // A magnitude past the limit is refused by Check, whatever its side.
            change.number = site.thousandths > 180000 ? 999999 : rc::StoredSite(site);
        } else {
            const auto* edit = static_cast<const QLineEdit*>(row.editor);
            if (!edit->isModified()) {
                continue;
            }
            change.text = edit->text().toStdString();
        }
        changes.push_back(std::move(change));
    }
}

} // namespace tarnell
