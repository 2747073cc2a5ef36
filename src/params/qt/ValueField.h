// SPDX-License-Identifier: GPL-3.0-or-later
// A parameter row's value, edited in place: it shows the stored value, takes a typed one, and
// hands it on when the user presses Enter or leaves the field. Esc puts the stored value back.
#pragma once
#include <QLineEdit>
#include <QString>

class ValueField : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueField(QWidget* parent);

    // Shows `text` as the stored value. While the user is typing here (the field has the focus
    // and was edited), the typing stays on screen; the stored value is only remembered.
    void showValue(const QString& text);
    // The stored value last shown, whatever is typed now.
    const QString& shownValue() const { return shown_; }

signals:
    // Enter, or the focus leaving, with a text other than the stored value.
    void edited(const QString& typed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void finish();
    QString shown_;
};
