#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>

namespace tarnell {

// The text under the about box's title, drawn by hand beside the program's icon.
class CAboutCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CAboutCtrl(QWidget* parent = nullptr);

    QStringList Lines() const { return m_lines; }
    static QFont TextFont();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_lines;
};

// Help, About: the program's name as a title line, the version and credits underneath.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTitlePixels = 25;

    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString TitleText();
    static QFont TitleFont();
    CAboutCtrl* Control() const { return m_control; }
    // The band the title is painted in.
    QRect TitleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CAboutCtrl* m_control = nullptr;
};

} // namespace tarnell
