// Parameter handlers of the main window: entry, autofill, run settings. Each reads its widgets,
// lets the core decide, and applies the core's effects in the order given.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt/KPM.h"
#include "params/Autofill.h"
#include "params/Entry.h"
#include "params/RunSettings.h"

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

void applyOutcome(TForm1& form, const Outcome& out)
{
    for (const Effect& e : out.effects) {
        switch (e.kind) {
        case Effect::Kind::Message:
            form.platform.showMessage(e.text);
            break;
        case Effect::Kind::Memo:
            form.setMemo(qs(e.text));
            break;
        case Effect::Kind::Label:
            form.rows.at(static_cast<size_t>(e.row)).value->setText(qs(e.text));
            break;
        case Effect::Kind::ShowPanel:
            form.Enterpn->setVisible(true);
            break;
        case Effect::Kind::HidePanel:
            form.Enterpn->setVisible(false);
            break;
        case Effect::Kind::EditText:
            form.Editen->setText(qs(e.text));
            break;
        case Effect::Kind::Refresh:
            form.BitBtn1Click();
            break;
        }
    }
}

// The selected index as the handlers understand it: in an editable list, typed text that names
// no item selects nothing (-1), whatever item was selected before the typing.
int selectedIndex(const QComboBox* box)
{
    if (box->isEditable()) return box->findText(box->currentText());
    return box->currentIndex();
}

} // namespace

void TForm1::SpeedButtonClick(int row)
{
    applyOutcome(*this, openEntry(P, row));
}

void TForm1::okbtnClick()
{
    applyOutcome(*this, confirmEntry(P, Editen->text().toStdString()));
}

void TForm1::BitBtnClick()
{
    applyOutcome(*this, autofill(P));
}

void TForm1::tuneChange()
{
    applyOutcome(*this, selectStep(P, selectedIndex(tune)));
}

void TForm1::Button1Click()
{
    if (!cn->isEnabled()) {
        cn->setEnabled(true);
        Button1->setText(QStringLiteral("Применить"));
        return;
    }
    Button1->setText(QStringLiteral("Изменить"));
    cn->setEnabled(false);
    applyOutcome(*this, applyCycleCount(P, cn->text().toStdString()));
}

void TForm1::CBChange()
{
    applyOutcome(*this, selectMode(P, selectedIndex(CB)));
}
