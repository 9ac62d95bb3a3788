#include "CVisualStyle.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace tarnell {

namespace {

QString Hex(unsigned rgb) {
    return QColor::fromRgb(rgb & 0xFFFFFFu).name();
}

// The desktop style as the program found it, before any look replaced it.
struct NativeStyle {
    QString name;
    QPalette palette;
};

const NativeStyle& Native() {
    static const NativeStyle native{QApplication::style() ? QApplication::style()->name()
                                                          : QStringLiteral("fusion"),
                                    QApplication::palette()};
    return native;
}

// Fusion frames a check box a shade darker than the window, which vanishes on a dark window
// (an unchecked box could not be seen in the Black look): the dark looks add a light frame.
class DarkLookStyle : public QProxyStyle {
public:
    DarkLookStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool round = element == PE_IndicatorRadioButton;
        if (!round && element != PE_IndicatorCheckBox && element != PE_IndicatorItemViewItemCheck) {
            return;
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, round);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(option->state & State_Enabled ? QColor(0xa8, 0xae, 0xb5)
                                                      : QColor(0x5f, 0x63, 0x68));
        const QRectF frame = QRectF(option->rect).adjusted(0.5, 0.5, -1.5, -1.5);
        if (round) {
            painter->drawEllipse(frame);
        } else {
            painter->drawRect(frame);
        }
        painter->restore();
    }
};

// A new style repolishes every widget, so only when it really changes.
void SetStyle(const QString& name, bool dark = false) {
    QStyle* current = QApplication::style();
    const bool currentDark = dynamic_cast<DarkLookStyle*>(current) != nullptr;
    if (current && currentDark == dark &&
        (dark || current->name().compare(name, Qt::CaseInsensitive) == 0)) {
        return;
    }
    if (dark) {
        QApplication::setStyle(new DarkLookStyle);
    } else {
        QApplication::setStyle(name);
    }
}

QPalette MakePalette(const CVisualStyle::Look& look) {
    const QColor accent = QColor::fromRgb(look.accent & 0xFFFFFFu);
    if (!look.dark) {
        // The style is Fusion by now (Apply sets it first).
        QPalette palette = QApplication::style()->standardPalette();
        palette.setColor(QPalette::Window, QColor::fromRgb(look.window & 0xFFFFFFu));
        palette.setColor(QPalette::Highlight, accent);
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::Link, accent.darker(120));
        return palette;
    }
    QPalette palette;
    const QColor window(0x2d, 0x2f, 0x33);
    const QColor base(0x1f, 0x21, 0x24);
    const QColor text(0xe8, 0xea, 0xed);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Highlight, accent.lighter(130));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Link, accent.lighter(160));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0xa0, 0xa6));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x84, 0x8a));
    }
    return palette;
}

} // namespace

const std::vector<CVisualStyle::Look>& CVisualStyle::Looks() {
    static const std::vector<Look> looks{
        {210, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Blue"), 0x2B579A, 0x1E3F73, 0xF3F5F8,
         false, false},
        {211, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Silver"), 0x5F6B7A, 0x465160, 0xF2F3F5,
         false, false},
        {212, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Aqua"), 0x1F7A8C, 0x155866, 0xF1F7F8,
         false, false},
        {213, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Olive"), 0x56702E, 0x3E5220, 0xF4F6F0,
         false, false},
        {214, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Plum"), 0x6B3A6E, 0x4E2851, 0xF6F2F6,
         false, false},
        {215, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Copper"), 0x9A5A2B, 0x73401E, 0xF8F4F0,
         false, false},
        {216, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Graphite"), 0x3A3F47, 0x24282D, 0xEEF0F2,
         false, false},
        {217, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Black"), 0x3D6FB6, 0x1B1D20, 0x2D2F33,
         true, false},
        {218, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Night Teal"), 0x2A8C8C, 0x163C3C,
         0x2D2F33, true, false},
        {219, QT_TRANSLATE_NOOP("tarnell::CVisualStyle", "Desktop"), 0x2B579A, 0x1E3F73, 0xF3F5F8,
         false, true},
    };
    return looks;
}

const CVisualStyle::Look& CVisualStyle::ForCommand(int command) {
    for (const Look& look : Looks()) {
        if (look.command == command) {
            return look;
        }
    }
    return Looks().front();
}

QString CVisualStyle::DisplayName(const Look& look) {
    return QCoreApplication::translate("tarnell::CVisualStyle", look.name);
}

QString CVisualStyle::RibbonStyleSheet(const Look& look) {
    const QColor accent = QColor::fromRgb(look.accent & 0xFFFFFFu);
    const QString page = Hex(look.window);
    const QString text = look.dark ? QStringLiteral("#e8eaed") : QStringLiteral("#1f2328");
    const QString hover = look.dark ? accent.darker(170).name() : accent.lighter(175).name();
    const QString checked = look.dark ? accent.darker(140).name() : accent.lighter(160).name();
    const QString sheet =
        QStringLiteral(R"(
tarnell--CRibbonBar { background: %1; color: %2; }
#ribbonTabRow { background: %3; }
#ribbonApplicationButton { background: %4; color: white; font-weight: bold;
    border: none; padding: 4px 14px; }
#ribbonApplicationButton:hover { background: %5; }
#ribbonApplicationButton::menu-indicator { image: none; }
#ribbonTabRow QTabBar::tab { background: transparent; color: white; padding: 4px 14px;
    border: none; }
#ribbonTabRow QTabBar::tab:selected { background: %1; color: %6; }
#ribbonTabRow QTabBar::tab:hover:!selected { background: %7; }
#ribbonTabRow QToolButton { color: white; border: none; padding: 2px; }
#ribbonTabRow QToolButton:hover { background: %7; }
tarnell--CRibbonPanel { border: none; border-right: 1px solid %8; }
tarnell--CRibbonPanel QToolButton { border: 1px solid transparent; border-radius: 2px;
    padding: 1px 3px; color: %2; }
tarnell--CRibbonPanel QToolButton:hover { background: %9; border-color: %10; }
tarnell--CRibbonPanel QToolButton:checked { background: %11; border-color: %10; }
#ribbonPanelCaption { color: %12; }
tarnell--CRibbonPanel QCheckBox { color: %2; padding: 2px 4px; }
tarnell--CRibbonPanel QToolButton:disabled, tarnell--CRibbonPanel QCheckBox:disabled {
    color: %13; }
)")
            .arg(page, text, accent.name(), Hex(look.accentDark),
                 QColor::fromRgb(look.accentDark & 0xFFFFFFu).darker(115).name(),
                 look.dark ? QStringLiteral("#e8eaed") : Hex(look.accentDark),
                 accent.lighter(125).name(),
                 look.dark ? QStringLiteral("#44474c") : QStringLiteral("#d5dbe3"), hover,
                 accent.lighter(look.dark ? 100 : 140).name(), checked,
                 look.dark ? QStringLiteral("#9aa0a6") : QStringLiteral("#5b6470"))
            .arg(look.dark ? QStringLiteral("#6b7077") : QStringLiteral("#a3a9b1"));
    // A touch smaller than the documents' text, as ribbons are, so that every panel fits a
    // 1366-pixel screen in the longer languages too. Through the sheet, since a sheet's
    // widgets take no font from their parent.
    const QFont base = QApplication::font();
    if (base.pointSizeF() <= 0) {
        return sheet;
    }
    return sheet + QStringLiteral("tarnell--CRibbonBar QToolButton, tarnell--CRibbonBar QCheckBox, "
                                  "tarnell--CRibbonBar QLabel { font-size: %1pt; }\n")
                       .arg(base.pointSizeF() * 0.85, 0, 'f', 1);
}

void CVisualStyle::Apply(const Look& look, QWidget* ribbon) {
    const NativeStyle& native = Native();
    if (look.native) {
        SetStyle(native.name);
        QApplication::setPalette(native.palette);
    } else {
        SetStyle(QStringLiteral("fusion"), look.dark);
        QApplication::setPalette(MakePalette(look));
    }
    if (ribbon) {
        ribbon->setStyleSheet(RibbonStyleSheet(look));
    }
}

} // namespace tarnell
