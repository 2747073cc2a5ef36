// SPDX-License-Identifier: GPL-3.0-or-later
#include "params/qt/ParameterPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <array>
#include <initializer_list>

#include "base/UiText.h"
#include "params/Autofill.h"
#include "params/Entry.h"
#include "params/ParamSections.h"
#include "params/ParamSetCompare.h"
#include "params/ParamTable.h"
#include "params/RunSettings.h"
#include "params/qt/ValueField.h"
#include "platform/Command.h"
#include "platform/qt/ProgressIndicator.h"
#include "platform/qt/UiLook.h"

namespace {

// The refresh renders the motion parameters, then the masses and inertias, then the coordinates.
constexpr std::array<int, kParamRowCount> kRefreshOrder = [] {
    std::array<int, kParamRowCount> order{};
    size_t n = 0;
    for (ParamGroup g : {ParamGroup::Motion, ParamGroup::Mass, ParamGroup::Point}) {
        int row = 0;
        for (const ParamInfo& p : kParams) {
            if (!p.hasBox()) continue;
            if (p.group == g) order[n++] = row;
            ++row;
        }
    }
    return order;
}();

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

bool isKey(const QEvent* event, std::initializer_list<int> keys)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    for (int k : keys)
        if (key->key() == k) return true;
    return false;
}

} // namespace

int selectedIndex(const QComboBox* box)
{
    if (box->isEditable()) return box->findText(box->currentText());
    return box->currentIndex();
}

ParameterPanel::ParameterPanel(QWidget* host, ParamSet& params, Platform& platform,
                               ProgressIndicator& progress, const NumberFormat& numbers,
                               QObject* parent)
    : QObject(parent), P(params), platform(platform), progress(progress), numbers(numbers)
{
    buildRows(host);

    tools_ = new QWidget(host);
    tools_->setObjectName("parameterTools");
    auto* toolLayout = new QHBoxLayout(tools_);
    toolLayout->setContentsMargins(0, 0, 0, 0);

    // A plain choice of the two modes: typed text could name neither. It shows the mode in force
    // from the start, as an ordinary selection: a placeholder read as a disabled box.
    modeBox = makeCombo(tools_, "modeBox", {"360", "720"});
    modeBox->setCurrentIndex(P.mode == 0 ? 0 : 1);
    modeBox->setToolTip(tr("Режим: ветвь сборки шатуна (360 или 720)"));
    connect(modeBox, &QComboBox::currentIndexChanged, this,
            guarded(platform, [this] { modeChosen(); }));
    toolLayout->addWidget(modeBox);

    autofillButton = new QPushButton(tr("Автозаполнение"), tools_);
    autofillButton->setObjectName("autofillButton");
    QFont bold = autofillButton->font();
    bold.setBold(true);
    autofillButton->setFont(bold);
    connect(autofillButton, &QPushButton::clicked, this, guarded(platform, [this] { autofill(); }));
    toolLayout->addWidget(autofillButton);
    toolLayout->addStretch(1);

    refreshButton = new QPushButton(tools_);
    refreshButton->setObjectName("refreshButton");
    refreshButton->setIcon(refreshButton->style()->standardIcon(QStyle::SP_BrowserReload));
    refreshButton->setToolTip(tr("Обновить значения параметров"));
    connect(refreshButton, &QPushButton::clicked, this,
            guarded(platform, [this] { refreshLabels(); }));
    toolLayout->addWidget(refreshButton);

    entryPanel = new QFrame(host);
    entryPanel->setObjectName("entryPanel");
    entryPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    entryPanel->setAutoFillBackground(true);
    // Hidden, it keeps its room: opening it must not move the rows the user is looking at.
    QSizePolicy keep = entryPanel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    entryPanel->setSizePolicy(keep);
    entryPanel->hide();
    auto* entryLayout = new QGridLayout(entryPanel);
    entryCaption = new QLabel(tr("Введите значение:"), entryPanel);
    entryCaption->setObjectName("entryCaption");
    entryLayout->addWidget(entryCaption, 0, 0, 1, 3);
    // The name of the parameter being edited stands left of the field, in room for the widest.
    entryName = new QLabel(entryPanel);
    entryName->setObjectName("entryName");
    int nameWidth = 0;
    for (int r = 0; r < kParamRowCount; ++r)
        nameWidth = std::max(nameWidth,
                             entryName->fontMetrics().horizontalAdvance(qs(entryCaptionText(r))));
    entryName->setMinimumWidth(nameWidth);
    entryLayout->addWidget(entryName, 1, 0, Qt::AlignTop);
    entryEdit = new QLineEdit(QStringLiteral("0"), entryPanel);
    entryEdit->setObjectName("entryEdit");
    entryLayout->addWidget(entryEdit, 1, 1, Qt::AlignTop);
    entryOk = new QPushButton(entryPanel->style()->standardIcon(QStyle::SP_DialogOkButton),
                              tr("Ввести"), entryPanel);
    entryOk->setObjectName("entryOk");
    entryOk->setDefault(true);
    entryLayout->addWidget(entryOk, 1, 2, Qt::AlignTop);
    entryLayout->setColumnStretch(1, 1);
    // The field and its button start on one line, so that Tab, which reads lines by their top
    // edge, goes from the field to the button.
    connect(entryOk, &QPushButton::clicked, this, guarded(platform, [this] { confirmEntry(); }));
    // A panel has no default-button machinery of its own: Enter in the field confirms directly.
    connect(entryEdit, &QLineEdit::returnPressed, this,
            guarded(platform, [this] { confirmEntry(); }));

    // Esc anywhere in the entry panel closes it.
    entryEdit->installEventFilter(this);
    entryOk->installEventFilter(this);
}

bool ParameterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == entryEdit || watched == entryOk) && isKey(event, {Qt::Key_Escape})) {
        cancelEntry();
        return true;
    }
    // An edit button opens its entry on Enter and on Space alike, at the press, as the keyboard
    // user expects of the focused button; Space's release, which would click it, is swallowed.
    const bool edit = std::any_of(rows.begin(), rows.end(), [watched](const ParamRowWidgets& w) {
        return watched == w.button;
    });
    if (edit && isKey(event, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    if (edit && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space)
        return true;
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::buildRows(QWidget* host)
{
    const QFont rowFont = uiFont(13, true);
    std::array<QGridLayout*, kParamSectionCount> grids{};
    std::array<int, kParamSectionCount> lines{}; // the rows each section holds so far
    for (int s = 0; s < kParamSectionCount; ++s) {
        const ParamSectionInfo& section = kParamSections[s];
        auto* box =
            new QGroupBox(QString::fromStdString(uiText("ParamSection", section.title)), host);
        box->setObjectName(QString::fromUtf8(section.name) + QStringLiteral("Box"));
        grids[static_cast<size_t>(s)] = new QGridLayout(box);
        grids[static_cast<size_t>(s)]->setVerticalSpacing(0);
        // A wider panel leaves its room after the units, so that each unit stays by its value.
        grids[static_cast<size_t>(s)]->setColumnStretch(3, 1);
        sections_[static_cast<size_t>(s)] = box;
    }
    // A value needs room for the widest text its label shows at the defaults' scale.
    const int valueWidth = QFontMetrics(rowFont).horizontalAdvance(QStringLiteral("-00000.0000"));
    for (int r = 0; r < kParamRowCount; ++r) {
        const ParamInfo& info = paramRow(r);
        const auto s = static_cast<size_t>(paramSection(info));
        QGroupBox* box = sections_[s];
        QGridLayout* grid = grids[s];
        const int line = lines[s]++;
        ParamRowWidgets& w = rows[static_cast<size_t>(r)];
        const QString key = QString::fromUtf8(info.key);
        const QString tip = QString::fromStdString(paramCaptionTip(info));

        w.button = new QPushButton(box);
        w.button->setObjectName(key + "Button");
        // The button has no caption: its tip names the parameter as its row does.
        QString name = QString::fromStdString(shownCaption(info));
        if (name.endsWith(QLatin1Char('='))) name.chop(1);
        w.button->setToolTip(tr("Изменить ") + name);
        w.button->setFixedSize(QFontMetrics(rowFont).height() + 6,
                               QFontMetrics(rowFont).height() + 4);
        w.button->installEventFilter(this);
        // Reached by Tab, but a click leaves the focus where it is: a click on the button of
        // the open entry must not take the focus from what is being typed there.
        w.button->setFocusPolicy(Qt::TabFocus);
        connect(w.button, &QPushButton::clicked, this,
                guarded(platform, [this, r] { openEntry(r); }));

        w.caption = new QLabel(QString::fromStdString(shownCaption(info)), box);
        w.caption->setObjectName(key + "Caption");
        w.value = new ValueField(box);
        w.value->showValue(QStringLiteral("0"));
        w.value->setObjectName(key + "Value");
        w.value->setMinimumWidth(valueWidth + 2 * w.value->fontMetrics().averageCharWidth());
        w.value->setFont(rowFont);
        w.value->setToolTip(tip);
        w.value->setAccessibleName(QString::fromStdString(entryCaptionText(r)));
        connect(w.value, &ValueField::edited, this,
                guarded(platform, [this, r](const QString& typed) { editInPlace(r, typed); }));
        w.unit = new QLabel(QString::fromStdString(shownUnit(info.unit)), box);
        w.unit->setObjectName(key + "Unit");
        for (QLabel* part : {w.caption, w.unit}) {
            part->setFont(rowFont);
            part->setToolTip(tip);
        }
        w.caption->setBuddy(w.value);
        grid->addWidget(w.button, line, 0);
        grid->addWidget(w.caption, line, 1);
        grid->addWidget(w.value, line, 2);
        grid->addWidget(w.unit, line, 3);
    }
}

void ParameterPanel::resetToDefaults()
{
    setDefaults(P);
    refreshLabels();
}

void ParameterPanel::showMode()
{
    // Only the display changes: the mode command must not run.
    const QSignalBlocker quiet(modeBox);
    modeBox->setCurrentIndex(P.mode == 0 ? 0 : 1);
}

void ParameterPanel::refreshLabels()
{
    progress.setValue(0);
    showValues();
    emit parametersTouched();
}

void ParameterPanel::showValues()
{
    for (int r : kRefreshOrder)
        rows[static_cast<size_t>(r)].value->showValue(qs(paramLabelText(P, r, numbers.decimal)));
}

QStringList ParameterPanel::shownTexts() const
{
    QStringList texts;
    for (const ParamRowWidgets& w : rows)
        texts << w.value->shownValue();
    // The mode box is a plain choice: its selection, none (-1) until a mode is chosen.
    return texts << QString::number(modeBox->currentIndex());
}

void ParameterPanel::showTexts(const QStringList& texts)
{
    if (texts.size() != kParamRowCount + 1) return;
    for (size_t r = 0; r < rows.size(); ++r)
        rows[r].value->showValue(texts[qsizetype(r)]);
    const QSignalBlocker quiet(modeBox);
    modeBox->setCurrentIndex(texts.back().toInt());
}

void ParameterPanel::openEntry(int row)
{
    QPushButton* button = rows.at(static_cast<size_t>(row)).button;
    // A second click (a double click, too) on the button of the entry already open must not
    // throw away what is typed there: the field only gets the focus back.
    if (entryPanel->isVisible() && entryOpener_ == button) {
        entryEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    entryOpener_ = button;
    entryName->setText(qs(entryCaptionText(row)));
    const char decimal = numbers.decimal;
    run([row, decimal](ParamSet& p) { return ::openEntry(p, row, decimal); });
}

void ParameterPanel::confirmEntry()
{
    // The typographic minus (U+2212) that text copied from a document carries is a sign too.
    const std::string text =
        entryEdit->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    const char decimal = numbers.decimal;
    run([&text, decimal](ParamSet& p) { return ::confirmEntry(p, text, decimal); });
}

void ParameterPanel::editInPlace(int row, const QString& typed)
{
    const std::string text = QString(typed).replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    const char decimal = numbers.decimal;
    run([row, &text, decimal](ParamSet& p) { return ::editInPlace(p, row, text, decimal); });
}

void ParameterPanel::cancelEntry()
{
    hideEntryPanel();
}

void ParameterPanel::autofill()
{
    run([](ParamSet& p) { return ::autofill(p); }, tr("автозаполнение"));
}

void ParameterPanel::clickAutofill()
{
    autofillButton->click();
}

void ParameterPanel::modeChosen()
{
    const int index = selectedIndex(modeBox);
    run([index](ParamSet& p) { return selectMode(p, index); });
}

void ParameterPanel::run(const std::function<Outcome(ParamSet&)>& command, const QString& label)
{
    const ParamSet before = P;
    const QStringList shownBefore = shownTexts();
    try {
        apply(command(P));
        if (!sameParams(before, P)) emit paramsChanged(before, shownBefore, label);
    } catch (...) {
        // The effects are applied with the new values in force (a refresh reads them), so the
        // way back is the old set restored, and the labels with it.
        P = before;
        showValues();
        emit parametersTouched();
        throw;
    }
    emit parametersTouched();
}

void ParameterPanel::showEntryPanel()
{
    entryPanel->setVisible(true);
    // In a short window the panel may stand below what the scroll area shows.
    for (QWidget* up = entryPanel->parentWidget(); up; up = up->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) scroll->ensureWidgetVisible(entryPanel);
    // Typing goes into the field at once and replaces its text; the text itself is unchanged.
    entryEdit->setFocus(Qt::OtherFocusReason);
    entryEdit->selectAll();
}

void ParameterPanel::hideEntryPanel()
{
    const QWidget* focus = QApplication::focusWidget();
    const bool focusInPanel = focus && entryPanel->isAncestorOf(focus);
    entryPanel->setVisible(false);
    // Hiding would pass the focus on to the next control in the tab order, away from where the
    // user was; it goes back to the button that opened the panel.
    if (focusInPanel && entryOpener_) entryOpener_->setFocus(Qt::OtherFocusReason);
}

void ParameterPanel::apply(const Outcome& outcome)
{
    for (const Effect& e : outcome.effects) {
        switch (e.kind) {
        case Effect::Kind::Message:
            platform.showMessage(e.text);
            break;
        case Effect::Kind::Memo:
            emit listingText(qs(e.text));
            break;
        case Effect::Kind::Label:
            rows.at(static_cast<size_t>(e.row)).value->showValue(qs(e.text));
            break;
        case Effect::Kind::ShowPanel:
            showEntryPanel();
            break;
        case Effect::Kind::HidePanel:
            hideEntryPanel();
            break;
        case Effect::Kind::EditText:
            entryEdit->setText(qs(e.text));
            break;
        case Effect::Kind::Refresh:
            refreshLabels();
            break;
        }
    }
}
