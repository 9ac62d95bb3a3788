#pragma once

#include "COptionsPropSheet.h"

#include <cstdint>

class QCheckBox;
class QPushButton;
class QToolButton;

namespace tarnell {

class CMainFrame;
struct CAppPreferences;

// Tooltips, the main window's bars and the colours of the tree and the channel list. The bars
// and colours change at once; Cancel takes the colours back to what they were.
class CAppOptionPage : public COptionsPage {
    Q_OBJECT
public:
    enum Colour : int { kChannelBack, kChannelText, kTreeBack, kTreeText, kColourCount };

    explicit CAppOptionPage(CMainFrame& frame, QWidget* parent = nullptr);

    QString Title() const override;
    QString Description() const override;
    QIcon Icon() const override;
    void OnOk() override;
    void OnCancel() override;

    QCheckBox* ToolTipsBox() const { return m_toolTips; }
    QCheckBox* DescriptionBox() const { return m_descriptions; }
    QPushButton* StatusBarButton() const { return m_statusBarButton; }
    QPushButton* CaptionBarButton() const { return m_captionBarButton; }
    QToolButton* ColourButton(Colour colour) const { return m_colourButtons[colour]; }
    // What the entries of a colour button's menu do.
    void ChooseAutomatic(Colour colour);
    void ChooseOther(Colour colour);

    static uint32_t AutomaticColour(Colour colour);

private:
    QToolButton* MakeColourButton(Colour colour, const QString& text);
    void SetColour(Colour colour, uint32_t rrggbb);
    void ShowSwatch(Colour colour);
    // Every window, not only the active one: none may keep the old colours.
    void RepaintWindows();
    uint32_t& Value(Colour colour) const;

    CMainFrame& m_frame;
    CAppPreferences& m_preferences;
    uint32_t m_opened[kColourCount] = {};
    QCheckBox* m_toolTips = nullptr;
    QCheckBox* m_descriptions = nullptr;
    QPushButton* m_statusBarButton = nullptr;
    QPushButton* m_captionBarButton = nullptr;
    QToolButton* m_colourButtons[kColourCount] = {};
};

} // namespace tarnell
