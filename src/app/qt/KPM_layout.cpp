// The main window's controls: fixed positions and sizes in client pixels, initial states, and
// the connection of every control to its handler.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "app/qt/KPM.h"
#include "platform/qt/UiLook.h"

namespace {

const QColor kSkyBlue(166, 202, 240);
const QColor kButtonFace(240, 240, 240);
const QColor kInactiveCaptionGradient(215, 228, 242);

// A group box whose caption sits on its frame line, as the design's coordinates assume: children
// at y = 16 are inside the frame, not under a caption band. (A style sheet would do the same but
// stops the window's font from reaching the box's children.)
class DesignBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics fm = fontMetrics();
        const QRect caption(8, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.setClipRegion(QRegion(rect()).subtracted(caption));
        p.setPen(palette().color(QPalette::Dark));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, fm.height() / 2 + 0.5, -0.5, -0.5), 2, 2);
        p.setClipping(false);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, title());
    }
};

QGroupBox* makeBox(QWidget* parent, const char* name, const QString& title, QRect geometry)
{
    auto* box = new DesignBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

// A raised panel with its own background colour.
QFrame* makePanel(QWidget* parent, const char* name, QRect geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, colour);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    return panel;
}

// A label sized to its text, placed at (x, y) of its parent.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* makeCombo(QWidget* parent, const char* name, QRect geometry, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    combo->addItems(items);
    return combo;
}

// An editable list that shows a free text and no selected item, as the design has it. Typed
// texts never become items.
void makeEditable(QComboBox* combo, const QString& text)
{
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// Geometry of the rows: the "Параметры" box has a gap (the bevel) after its seventh row, the
// "Доп. Параметры" box a gap after its third.
struct RowPlace {
    int captionX, captionY, buttonY, buttonSize;
};
RowPlace rowPlace(int row)
{
    if (row < 17) {
        const int y = row < 7 ? 16 + 24 * row : 208 + 24 * (row - 7);
        return {40, y, y, 0};
    }
    static constexpr int kButtonY[] = {16, 32, 48, 72, 88, 104};
    const int buttonY = kButtonY[row - 17];
    return {32, buttonY + 5, buttonY, 17};
}

QString captionLabelName(int row)
{
    static constexpr int kExtraNumbers[] = {35, 37, 38, 39, 40, 41};
    return QStringLiteral("Label%1").arg(row < 17 ? row + 1 : kExtraNumbers[row - 17]);
}

} // namespace

void TForm1::buildLayout()
{
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(713, 552);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, kSkyBlue);
    client->setPalette(pal);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    mempan = makePanel(client, "mempan", {0, 0, 465, 401}, kButtonFace);
    otchet = new QPlainTextEdit(mempan);
    otchet->setObjectName("otchet");
    otchet->setGeometry(8, 8, 445, 25);
    otchet->setReadOnly(true);
    otchet->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette memo = otchet->palette();
    memo.setColor(QPalette::Base, Qt::black);
    memo.setColor(QPalette::Text, kInactiveCaptionGradient);
    otchet->setPalette(memo);
    otchet->setPlainText(QStringLiteral("Отчёт:"));

    GroupBox1 = makeBox(client, "GroupBox1", QStringLiteral("Параметры"), {472, 56, 241, 489});
    auto* bevel = new QFrame(GroupBox1);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel->setGeometry(8, 184, 225, 2);

    GroupBox2 = makeBox(client, "GroupBox2", QStringLiteral("Доп. Параметры"), {16, 408, 169, 137});

    buildParamRows();

    BitBtn = new QPushButton(QStringLiteral("Автозаполнение"), GroupBox1);
    BitBtn->setObjectName("BitBtn");
    BitBtn->setGeometry(120, 456, 113, 25);
    QFont bold = BitBtn->font();
    bold.setBold(true);
    BitBtn->setFont(bold);
    connect(BitBtn, &QPushButton::clicked, this, [this] { BitBtnClick(); });

    BitBtn1 = new QPushButton(GroupBox1);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(200, 8, 33, 25);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    Enterpn = makePanel(client, "Enterpn", {200, 408, 137, 81}, kButtonFace);
    Enterpn->hide();
    Label48 = makeLabel(Enterpn, "Label48", QStringLiteral("Введите значение:"), 24, 8);
    Editen = new QLineEdit(QStringLiteral("0"), Enterpn);
    Editen->setObjectName("Editen");
    Editen->setGeometry(8, 24, 121, 21);
    Editen->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid black; background: white; }"));
    okbtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                            Enterpn);
    okbtn->setObjectName("okbtn");
    okbtn->setGeometry(32, 48, 75, 25);
    okbtn->setDefault(true);
    connect(okbtn, &QPushButton::clicked, this, [this] { okbtnClick(); });
    // A panel has no default-button machinery of its own: Enter in the field confirms directly.
    connect(Editen, &QLineEdit::returnPressed, this, [this] { okbtnClick(); });

    buildRunSettings();

    Panel1 = makePanel(client, "Panel1", {496, 8, 185, 41}, kSkyBlue);
    Loadbar = new QProgressBar(Panel1);
    Loadbar->setObjectName("Loadbar");
    Loadbar->setGeometry(8, 8, 169, 25);
    Loadbar->setRange(0, 12);
    Loadbar->setValue(0);
    Loadbar->setTextVisible(false);

    rgd = makeBox(client, "rgd", QStringLiteral("Renderer"), {196, 496, 137, 49});
    rgd->setToolTip(QStringLiteral(
        "Если у вас медленный компьютер выберайте \"MS DirectX3D 7 и выше\", в этом режиме "
        "аниматор менее требователен к ресурсам, но работает в полноэкранном режиме"));
    const QString items[] = {QStringLiteral("DirectX3D 7 и выше"),
                             QStringLiteral("DirectX3D 9.0C")};
    for (int i = 0; i < 2; ++i) {
        rgdItems[i] = new QRadioButton(items[i], rgd);
        rgdItems[i]->setObjectName(QStringLiteral("rgdItem%1").arg(i));
        rgdItems[i]->setGeometry(6, 15 + 16 * i, 129, 16);
    }
    rgdItems[1]->setChecked(true);
}

void TForm1::buildParamRows()
{
    QFont rowFont = uiFont(13, true);
    for (int r = 0; r < kParamRowCount; ++r) {
        const ParamRowInfo& info = paramRow(r);
        QGroupBox* box = info.extra ? GroupBox2 : GroupBox1;
        const RowPlace place = rowPlace(r);
        ParamRowWidgets& w = rows[static_cast<size_t>(r)];

        w.caption = makeLabel(box, captionLabelName(r), QString::fromUtf8(info.caption),
                              place.captionX, place.captionY);
        w.caption->setFont(rowFont);
        w.caption->adjustSize();

        w.value = new QLabel(QStringLiteral("0"), box);
        w.value->setObjectName(QString::fromUtf8(info.valueLabel));
        w.value->setFont(rowFont);
        // Up to the refresh button in the first box, up to the border in the second.
        const int valueWidth = info.extra ? 169 - 88 - 4 : 200 - 88 - 4;
        w.value->setGeometry(88, place.captionY, valueWidth, QFontMetrics(rowFont).height());

        w.button = new QPushButton(box);
        w.button->setObjectName(QStringLiteral("SpeedButton%1").arg(r + 1));
        w.button->setFocusPolicy(Qt::NoFocus);
        if (info.extra)
            w.button->setGeometry(8, place.buttonY, place.buttonSize, place.buttonSize);
        else
            w.button->setGeometry(8, place.buttonY, 23, 22);
        connect(w.button, &QPushButton::clicked, this, [this, r] { SpeedButtonClick(r); });
    }
}

void TForm1::buildRunSettings()
{
    conpan = makePanel(centralWidget(), "conpan", {344, 408, 121, 129}, kButtonFace);
    Label47 = makeLabel(conpan, "Label47", QStringLiteral("Шаг расчета:"), 8, 8);
    tune = makeCombo(conpan, "tune", {48, 24, 65, 21},
                     {"1", "5", "10", "15", "30", "60", "ext 0.5", "ext 0.2", "ext 0.1", "ext 0.05",
                      "ext 0.01"});
    makeEditable(tune, QStringLiteral("15"));
    Label49 = makeLabel(conpan, "Label49", QStringLiteral("Шаг-циклов:"), 8, 56);
    cn = new QLineEdit(QStringLiteral("1"), conpan);
    cn->setObjectName("cn");
    cn->setGeometry(8, 72, 33, 21);
    cn->setEnabled(false);
    cycletype = makeCombo(conpan, "cycletype", {48, 72, 65, 21},
                          {"x12",    "x24",    "x36",    "x48",    "x72",    "x96",    "x180",
                           "x360",   "x720",   "x1440",  "x2160",  "x2880",  "x3600",  "x7200",
                           "x14400", "x21600", "x28800", "x36000", "x72000", "x144000"});
    cycletype->setCurrentIndex(1);
    cycletype->setEnabled(false);
    Button1 = new QPushButton(QStringLiteral("Изменить"), conpan);
    Button1->setObjectName("Button1");
    Button1->setGeometry(8, 104, 75, 17);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    CB = makeCombo(GroupBox1, "CB", {8, 458, 102, 21}, {"360", "720"});
    makeEditable(CB, QStringLiteral("Режим (360)"));

    // A selection of tune reaches tuneChange once, through currentIndexChanged; typing through
    // textEdited. (editTextChanged would fire as well on a selection and repeat its warning.)
    // Enter on a typed text that names an item selects that item, which the typing has already
    // applied: that selection must not run tuneChange (and its warning) a second time.
    connect(tune, &QComboBox::currentIndexChanged, this, [this] {
        const bool typedAlready = tuneTypedIndex_ >= 0 && tune->currentIndex() == tuneTypedIndex_;
        tuneTypedIndex_ = -1;
        if (!typedAlready) tuneChange();
    });
    connect(tune->lineEdit(), &QLineEdit::textEdited, this, [this] {
        tuneTypedIndex_ = tune->findText(tune->currentText());
        tuneChange();
    });
    // CBChange is idempotent, so any change of text or selection may run it.
    connect(CB, &QComboBox::currentIndexChanged, this, [this] { CBChange(); });
    connect(CB, &QComboBox::editTextChanged, this, [this] { CBChange(); });
}
