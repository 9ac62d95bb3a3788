#pragma once

#include <QGroupBox>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tarnell {

class CAlarmData;
class CAlarmInfo;

// The four properties of one timer: its text, the text's character table and two yes/no
// flags. Each change is reported once, when the user has made it (Enter or leaving the text).
class CTimerPropertyForm : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMaxText = 22;

    explicit CTimerPropertyForm(QWidget* parent = nullptr);

    // Shows the timer's values; nullptr empties and disables the form.
    void Show(const CAlarmData* timer, const CAlarmInfo* info);
    QLineEdit* TextEdit() const { return m_text; }
    QComboBox* CodePageBox() const { return m_codePage; }
    QCheckBox* Flag10Box() const { return m_flag10; }
    QCheckBox* Flag0CBox() const { return m_flag0C; }
    // Says why a text came out shorter than typed.
    QLabel* Note() const { return m_note; }

signals:
    void TextChanged(const QString& text);
    void CodePageChanged(uint8_t code);
    void Flag10Changed(bool on);
    void Flag0CChanged(bool on);

private:
    void CommitText();

    QLineEdit* m_text = nullptr;
    QComboBox* m_codePage = nullptr;
    QCheckBox* m_flag10 = nullptr;
    QCheckBox* m_flag0C = nullptr;
    QLabel* m_note = nullptr;
    QString m_shownText;
};

} // namespace tarnell
