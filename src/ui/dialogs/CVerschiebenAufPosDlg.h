#pragma once

#include <QDialog>

class QSpinBox;

namespace tarnell {

// Asks for the position the selected channels move to: a number from the minimum to the
// maximum, typed or spun; nothing outside the range is taken.
class CVerschiebenAufPosDlg : public QDialog {
    Q_OBJECT
public:
    CVerschiebenAufPosDlg(int value, int minimum, int maximum, QWidget* parent = nullptr);

    int Value() const;
    QSpinBox* SpinBox() const { return m_spin; }

    void accept() override;

private:
    QSpinBox* m_spin = nullptr;
};

} // namespace tarnell
