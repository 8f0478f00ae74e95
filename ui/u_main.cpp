#include "u_main.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>

#include <limits>

#include "messages.h"
#include "u_public.h"

namespace vostrel {

namespace {

// The outer size of the window, frame included where there is one.
constexpr QSize kOuterSize(507, 403);

struct TPlacement {
    const char *name;
    int left, top, width, height;
};

// Client coordinates of every control. Nothing moves or resizes with the
// window, so this table is the whole layout.
// clang-format off
constexpr TPlacement kLayout[] = {
    //  name         left  top  width  height
    {"lbljushu",   16,   8,   137,   13},
    {"memcode",    16,   24,  249,   337},
    {"Label5",     312,  180, 41,    13},
    {"edtreima",   360,  176, 73,    21},
    {"Label1",     320,  208, 33,    13},
    {"edtdanma",   360,  204, 73,    21},
    {"lblkj",      296,  248, 73,    13},
    {"Label2",     400,  248, 33,    13},
    {"edtcode",    296,  264, 73,    21},
    {"edtdj",      392,  264, 73,    21},
    {"btnfilt",    296,  296, 75,    25},
    {"btnsave",    392,  296, 75,    25},
    {"btncopy",    296,  336, 75,    25},
    {"btnclose",   392,  336, 73,    25},
    {"edtcopy",    394,  24,  73,    21},
};
// clang-format on

// Writes that would not change a field are skipped, so that no change event
// fires for them.
void SetText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

void SetText(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

void SetText(QPlainTextEdit *box, const QString &text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

} // namespace

void TClickEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

Tfrmmain::Tfrmmain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(kAppTitle);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.vostrel.Vostrel.png").arg(size),
                     QSize(size, size));
    setWindowIcon(icon);

    const QString classic = QStringLiteral("MS Sans Serif");
    QFont font = QFontDatabase::families().contains(classic) ? QFont(classic) : QApplication::font();
    font.setPixelSize(11);
    setFont(font);

    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    CreateControls();
    ApplyLayout();
    ConnectEvents();
    resize(kOuterSize);
    edtcode->setFocus();

    FormCreate();
}

void Tfrmmain::CreateControls()
{
    auto make = [](auto *widget, const char *name, const QString &text = {}) {
        widget->setObjectName(QLatin1String(name));
        if constexpr (std::is_base_of_v<QPlainTextEdit, std::remove_pointer_t<decltype(widget)>>)
            widget->setPlainText(text);
        else
            widget->setText(text);
        return widget;
    };
    auto label = [&](const char *name, const QString &text) {
        QLabel *l = make(new QLabel(this), name, text);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto edit = [&](auto *e, const char *name) {
        make(e, name);
        e->setMaxLength(std::numeric_limits<int>::max()); // no field limits its length
        return e;
    };
    auto button = [&](const char *name, const QString &text) {
        QPushButton *b = make(new QPushButton(this), name, text);
        b->setAutoDefault(true); // Enter on a focused button presses it
        return b;
    };

    lbljushu = label("lbljushu", QStringLiteral("缩水结果："));
    memcode = make(new QPlainTextEdit(this), "memcode");
    memcode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memcode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memcode->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memcode->setTabChangesFocus(true);
    Label5 = label("Label5", QStringLiteral("杀二码："));
    edtreima = edit(new TClickEdit(this), "edtreima");
    Label1 = label("Label1", QStringLiteral("胆码"));
    edtdanma = edit(new TClickEdit(this), "edtdanma");
    lblkj = label("lblkj", QStringLiteral("上期开奖："));
    Label2 = label("Label2", QStringLiteral("对奖"));
    edtcode = edit(new TClickEdit(this), "edtcode");
    edtdj = edit(new QLineEdit(this), "edtdj");
    btnfilt = button("btnfilt", QStringLiteral("过滤"));
    btnfilt->setDefault(true);
    btnsave = button("btnsave", QStringLiteral("保存"));
    btncopy = button("btncopy", QStringLiteral("复制"));
    btnclose = button("btnclose", QStringLiteral("退出"));
    edtcopy = edit(new QLineEdit(this), "edtcopy");
    edtcopy->hide();
    edtcopy->setFocusPolicy(Qt::NoFocus);

    // savedlg is made by each Save command, fresh, rather than here at start-up.

    QWidget *order[] = {edtcode, memcode, btnfilt, btncopy, btnclose, edtdj, edtdanma, edtreima, btnsave};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tfrmmain::ApplyLayout()
{
    for (const TPlacement &p : kLayout) {
        QWidget *widget = findChild<QWidget *>(QLatin1String(p.name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(widget);
        widget->setGeometry(p.left, p.top, p.width, p.height);
    }
}

void Tfrmmain::ConnectEvents()
{
    const auto on = [this](auto *sender, auto signal, void (Tfrmmain::*handler)()) {
        connect(sender, signal, this, [this, handler] { Guarded(handler); });
    };
    on(btnfilt, &QPushButton::clicked, &Tfrmmain::btnfiltClick);
    on(btnsave, &QPushButton::clicked, &Tfrmmain::btnsaveClick);
    on(btncopy, &QPushButton::clicked, &Tfrmmain::btncopyClick);
    on(btnclose, &QPushButton::clicked, &Tfrmmain::btncloseClick);
    on(edtcode, &QLineEdit::textChanged, &Tfrmmain::edtcodeChange);
    on(edtdj, &QLineEdit::textChanged, &Tfrmmain::edtcodeChange);
    on(edtcode, &TClickEdit::clicked, &Tfrmmain::edtcodeClick);
    on(edtreima, &TClickEdit::clicked, &Tfrmmain::edtreimaClick);
    on(edtdanma, &TClickEdit::clicked, &Tfrmmain::edtdanmaClick);
    // A plain widget has no default button, so Enter in a single-line field
    // is routed to the filter by hand. Enter in the box stays a new line.
    for (QLineEdit *field : {static_cast<QLineEdit *>(edtcode), edtdj, static_cast<QLineEdit *>(edtreima),
                             static_cast<QLineEdit *>(edtdanma)})
        on(field, &QLineEdit::returnPressed, &Tfrmmain::btnfiltClick);
}

void Tfrmmain::Guarded(void (Tfrmmain::*handler)())
{
    try {
        (this->*handler)();
    } catch (const std::exception &error) {
        ShowError(this, error.what());
    } catch (...) {
        ShowError(this, "?");
    }
}

void Tfrmmain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        const QRect screenArea = screen()->availableGeometry();
        move(screenArea.center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2));
    }
    FitFrame();
    // A window manager reports its frame only some time after mapping, and Qt
    // sends no event when it does; look again a few times during start-up.
    for (int delayMs : {50, 150, 400, 1000, 2000, 3000})
        QTimer::singleShot(delayMs, this, &Tfrmmain::FitFrame);
}

void Tfrmmain::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    FitFrame();
}

// Where a window manager draws a frame, the client area shrinks so that the
// frame comes out at the outer size; without a frame the window is that size.
void Tfrmmain::FitFrame()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame == fittedFrame_)
        return;
    fittedFrame_ = frame;
    resize(kOuterSize - frame);
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - QPoint(kOuterSize.width() / 2, kOuterSize.height() / 2));
}

// The box's text exactly as the user sees it. toPlainText() would turn
// no-break spaces into blanks; only the paragraph marks need translating.
QString Tfrmmain::BoxText() const
{
    QString text = memcode->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void Tfrmmain::FormCreate()
{
    BuildNumTable(numtable);
}

void Tfrmmain::btnfiltClick()
{
    const std::string draw = ToAnsi(edtcode->text());
    const TDrawParse parse = ParseDraw(draw);
    if (parse.status == TDrawParse::Status::NotThreeDigit) {
        ShowMessage(this, msg::kEnterDraw);
        SetText(edtcode, QString());
        edtcode->setFocus();
        return;
    }
    if (parse.status == TDrawParse::Status::BadCharacter)
        throw TAppError(parse.ErrorText());

    TBusyCursor busy;
    FilterNumbers(numtable, parse.digits, ToAnsi(edtreima->text()), ToAnsi(edtdanma->text()));
    const TResult result = MakeResultText(numtable);
    SetText(memcode, FromAnsi(result.text));
    SetText(lbljushu, FromAnsi(CountCaption(result.count)));
    btncopyClick();
    SetText(lblkj, FromAnsi(PrevDrawCaption(draw)));
    SetText(edtreima, QString());
    SetText(edtdanma, QString());
    SetText(edtcode, QString());
    edtcode->setFocus();
}

void Tfrmmain::btncopyClick()
{
    // Straight to the clipboard: a single-line field would drop line breaks
    // the user typed into the box.
    QGuiApplication::clipboard()->setText(BoxText());
}

void Tfrmmain::btncloseClick()
{
    close();
}

void Tfrmmain::edtcodeChange()
{
    const TCheckOutcome outcome = CheckDraw(ToAnsi(edtcode->text()), ToAnsi(BoxText()));
    if (outcome != TCheckOutcome::NoChange)
        SetText(edtdj, FromAnsi(CheckOutcomeText(outcome)));
}

void Tfrmmain::edtcodeClick()
{
    SetText(edtcode, QString());
}

void Tfrmmain::edtreimaClick()
{
    SetText(edtreima, QString());
}

void Tfrmmain::edtdanmaClick()
{
    SetText(edtdanma, QString());
}

} // namespace vostrel
