// The main window: its controls, laid out in code, and the handlers behind them.
#pragma once

#include <QLineEdit>
#include <QWidget>

class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vostrel {

// A single-line field that reports a mouse click, as the draw, kill-pair and
// banker fields need: a click empties them, moving in with Tab does not.
class TClickEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

class Tfrmmain : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmmain(QWidget *parent = nullptr);

protected:
    // Sets up and shows savedlg; returns the chosen file, or an empty text
    // when the user cancels. Tests replace it to reach paths no dialog offers.
    virtual QString ExecuteSaveDialog();

    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void CreateControls();
    void ApplyLayout();
    void ConnectEvents();
    void FitFrame();
    QString BoxText() const;

    // Runs a handler; an error inside it ends it and is shown, and the
    // program goes on. Nothing may escape into Qt's event loop.
    void Guarded(void (Tfrmmain::*handler)());

    void FormCreate();
    void btnfiltClick();
    void btncopyClick();
    void btncloseClick();
    void btnsaveClick();
    void edtcodeChange();
    void edtcodeClick();
    void edtreimaClick();
    void edtdanmaClick();

    QLabel *lbljushu = nullptr;
    QPlainTextEdit *memcode = nullptr;
    QLabel *Label5 = nullptr;
    TClickEdit *edtreima = nullptr;
    QLabel *Label1 = nullptr;
    TClickEdit *edtdanma = nullptr;
    QLabel *lblkj = nullptr;
    QLabel *Label2 = nullptr;
    TClickEdit *edtcode = nullptr;
    QLineEdit *edtdj = nullptr;
    QPushButton *btnfilt = nullptr;
    QPushButton *btnsave = nullptr;
    QPushButton *btncopy = nullptr;
    QPushButton *btnclose = nullptr;
    QLineEdit *edtcopy = nullptr;
    QFileDialog *savedlg = nullptr;  // made anew by every Save

    QSize fittedFrame_;
    bool centred_ = false;
};

} // namespace vostrel
