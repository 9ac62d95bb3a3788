#include "CCompareDlg.h"

#include "HelpTopic.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace tarnell {

namespace {

enum Column { kChange, kName, kPosition, kDetails, kColumnCount };

// The core's field keys in the user's words.
QString FieldText(const std::string& key) {
    static const std::pair<const char*, const char*> kFields[] = {
        {"kind", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "TV/radio")},
        {"storedNumber", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "stored number")},
        {"pcrPid", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "PCR PID")},
        {"videoPid", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "video PID")},
        {"audioPid", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "audio PID")},
        {"flags", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "flags")},
        {"sound", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "sound")},
        {"options", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "options")},
        {"symbolRate", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "symbol rate")},
        {"provider", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "provider")},
        {"channel", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "channel")},
        {"start", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "start")},
        {"text", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "text")},
        {"otherBytes", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "other values")},
        {"settings", QT_TRANSLATE_NOOP("tarnell::CCompareDlg", "other values")},
    };
    for (const auto& [k, text] : kFields) {
        if (key == k) {
            return CCompareDlg::tr(text);
        }
    }
    // Technical keys (LNB fields, configuration words) are shown as they are.
    return QString::fromStdString(key);
}

QString Details(const DiffItem& item) {
    QStringList parts;
    if (item.kind == DiffKind::Renamed) {
        parts << CCompareDlg::tr("was \"%1\"").arg(QString::fromStdString(item.oldName));
    }
    if (!item.list.empty()) {
        parts << CCompareDlg::tr("list \"%1\"").arg(QString::fromStdString(item.list));
    }
    for (const auto& f : item.fields) {
        QString text = FieldText(f.field);
        if (!f.before.empty() || !f.after.empty()) {
            text += QStringLiteral(": %1 \u2192 %2")
                        .arg(QString::fromStdString(f.before), QString::fromStdString(f.after));
        }
        parts << text;
    }
    if (!item.identity.empty()) {
        parts << QString::fromStdString(item.identity);
    }
    return parts.join(QStringLiteral("; "));
}

QString Position(const DiffItem& item) {
    if (item.oldPosition > 0 && item.newPosition > 0) {
        return QStringLiteral("%1 \u2192 %2").arg(item.oldPosition).arg(item.newPosition);
    }
    if (item.oldPosition > 0) {
        return QString::number(item.oldPosition);
    }
    return item.newPosition > 0 ? QString::number(item.newPosition) : QString();
}

// Channels and their list memberships say which kind they are: names repeat across the kinds.
QString ItemName(const DiffItem& item) {
    QString name = QString::fromStdString(item.name);
    if (item.area == DiffArea::Channels || item.area == DiffArea::FavouriteMembers) {
        name = (item.tv ? CCompareDlg::tr("TV") : CCompareDlg::tr("Radio")) + QStringLiteral(": ") +
               name;
    }
    return name;
}

} // namespace

QString CCompareDlg::AreaText(DiffArea area) {
    switch (area) {
    case DiffArea::Channels:
        return tr("Channels");
    case DiffArea::FavouriteLists:
        return tr("Favourite lists");
    case DiffArea::FavouriteMembers:
        return tr("Channels in favourite lists");
    case DiffArea::Satellites:
        return tr("Satellites");
    case DiffArea::Lnbs:
        return tr("LNB settings");
    case DiffArea::Transponders:
        return tr("Transponders");
    case DiffArea::Timers:
        return tr("Timers");
    case DiffArea::Configuration:
        return tr("Receiver configuration");
    }
    return {};
}

QString CCompareDlg::KindText(DiffKind kind) {
    switch (kind) {
    case DiffKind::Added:
        return tr("added");
    case DiffKind::Removed:
        return tr("removed");
    case DiffKind::Renamed:
        return tr("renamed");
    case DiffKind::Moved:
        return tr("moved");
    case DiffKind::Changed:
        return tr("changed");
    }
    return {};
}

QString CCompareDlg::SummaryText(const ListDifference& difference) {
    if (difference.Empty()) {
        return tr("No differences.");
    }
    QStringList lines;
    for (size_t area = 0; area < kDiffAreaCount; ++area) {
        QStringList counts;
        for (size_t kind = 0; kind < kDiffKindCount; ++kind) {
            if (const size_t n = difference.counts[area][kind]; n > 0) {
                counts << QStringLiteral("%1 %2").arg(n).arg(KindText(static_cast<DiffKind>(kind)));
            }
        }
        if (!counts.isEmpty()) {
            lines << AreaText(static_cast<DiffArea>(area)) + QStringLiteral(": ") +
                         counts.join(QStringLiteral(", "));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString CCompareDlg::ChangeLines(const ListDifference& difference) {
    QStringList lines;
    for (size_t area = 0; area < kDiffAreaCount; ++area) {
        bool heading = false;
        for (const auto& item : difference.items) {
            if (static_cast<size_t>(item.area) != area) {
                continue;
            }
            if (!heading) {
                lines << AreaText(item.area);
                heading = true;
            }
            QStringList cells{KindText(item.kind), ItemName(item), Position(item), Details(item)};
            cells.removeAll(QString());
            lines << QStringLiteral("  ") + cells.join(QStringLiteral("  "));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

CCompareDlg::CCompareDlg(ListDifference difference, const QString& before, const QString& now,
                         QWidget* parent)
    : QDialog(parent), m_difference(std::move(difference)) {
    setObjectName(QStringLiteral("compareDialog"));
    SetHelpTopic(this, "channels");
    setWindowTitle(tr("Compare"));
    auto* heading = new QLabel(
        tr("From <b>%1</b> to <b>%2</b>:").arg(before.toHtmlEscaped(), now.toHtmlEscaped()), this);
    heading->setWordWrap(true);
    m_summary = new QLabel(SummaryText(m_difference), this);
    m_summary->setObjectName(QStringLiteral("compareSummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("compareFilter"));
    m_filter->setPlaceholderText(tr("Filter by name"));
    m_filter->setClearButtonEnabled(true);
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("compareGroup"));
    m_group->addItem(tr("All changes"), -1);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("compareChanges"));
    m_tree->setColumnCount(kColumnCount);
    m_tree->setHeaderLabels({tr("Change"), tr("Name"), tr("Position"), tr("Details")});
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filter, 1);
    filterRow->addWidget(m_group);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_summary);
    layout->addLayout(filterRow);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    Fill();
    connect(m_filter, &QLineEdit::textChanged, this, &CCompareDlg::ApplyFilter);
    connect(m_group, &QComboBox::currentIndexChanged, this, &CCompareDlg::ApplyFilter);
    resize(820, 560);
}

void CCompareDlg::Fill() {
    std::array<QTreeWidgetItem*, kDiffAreaCount> groups{};
    std::array<int, kDiffAreaCount> counts{};
    for (const auto& item : m_difference.items) {
        counts[static_cast<size_t>(item.area)]++;
    }
    for (size_t area = 0; area < kDiffAreaCount; ++area) {
        if (counts[area] == 0) {
            continue;
        }
        const QString title =
            QStringLiteral("%1 (%2)").arg(AreaText(static_cast<DiffArea>(area))).arg(counts[area]);
        groups[area] = new QTreeWidgetItem(m_tree, {title});
        groups[area]->setFirstColumnSpanned(true);
        groups[area]->setData(0, Qt::UserRole, static_cast<int>(area));
        m_group->addItem(title, static_cast<int>(area));
    }
    for (const auto& item : m_difference.items) {
        new QTreeWidgetItem(groups[static_cast<size_t>(item.area)],
                            {KindText(item.kind), ItemName(item), Position(item), Details(item)});
    }
    // Small groups open, large ones closed: a re-sorted list has thousands of moves.
    for (auto* group : groups) {
        if (group != nullptr) {
            group->setExpanded(group->childCount() <= 200);
        }
    }
    m_tree->header()->setSectionResizeMode(kChange, QHeaderView::ResizeToContents);
    m_tree->setColumnWidth(kName, 260);
    m_tree->setColumnWidth(kPosition, 90);
}

void CCompareDlg::ApplyFilter() {
    const QString text = m_filter->text().trimmed();
    const int area = m_group->currentData().toInt();
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = m_tree->topLevelItem(g);
        const bool groupShown = area < 0 || group->data(0, Qt::UserRole).toInt() == area;
        int shown = 0;
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* row = group->child(i);
            const bool match =
                groupShown &&
                (text.isEmpty() || row->text(kName).contains(text, Qt::CaseInsensitive) ||
                 row->text(kDetails).contains(text, Qt::CaseInsensitive));
            row->setHidden(!match);
            shown += match ? 1 : 0;
        }
        group->setHidden(shown == 0);
        if (!text.isEmpty() && shown > 0) {
            group->setExpanded(true);
        }
    }
}

int CCompareDlg::VisibleChanges() const {
    int visible = 0;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            visible += group->isHidden() || group->child(i)->isHidden() ? 0 : 1;
        }
    }
    return visible;
}

} // namespace tarnell
