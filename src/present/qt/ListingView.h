// SPDX-License-Identifier: GPL-3.0-or-later
// The report memo: a read-only text view that draws only the lines it shows, asking a line source
// for them, so that a listing of tens of megabytes is never held or laid out as one text.
#pragma once
#include <QAbstractScrollArea>
#include <QMenu>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>

#include "formats/LineSource.h"

class ListingView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Starts with an empty text, in the memo's colours: light text on black.
    explicit ListingView(QWidget* parent = nullptr);

    // Shows the lines of `lines` from the first, with nothing selected (null: an empty text). The
    // source is read while it is shown and must not change meanwhile.
    void setLines(std::shared_ptr<const LineSource> lines);
    // Shows a fixed text (a status line) in place of whatever was shown; '\n' separates lines.
    void setPlainText(const QString& text);

    // The whole text shown, lines joined by '\n'.
    QString toPlainText() const;
    // How many lines are shown (the text's '\n' count + 1).
    int blockCount() const;
    // The view never lets the user change its text.
    bool isReadOnly() const { return true; }

    // The selected text, lines joined by '\n'; empty without a selection.
    QString selectedText() const;
    bool hasSelection() const { return anchor_ != cursor_; }
    void selectAll();
    // Puts the selected text on the clipboard; does nothing without a selection.
    void copy();
    // The menu a right click shows: copy (enabled with a selection) and select all, named as a
    // plain text editor names them. The caller owns it.
    QMenu* createContextMenu();
    // The index of the top line shown.
    int64_t firstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A place in the text: a line and a column in that line's UTF-16 units.
    struct Position {
        int64_t line = 0;
        int column = 0;
        auto operator<=>(const Position&) const = default;
    };

    QString lineText(int64_t line) const;
    int64_t lineCount() const;
    int lineHeight() const;
    int visibleLines() const; // lines fully shown, at least 1
    Position positionAt(const QPoint& point) const;
    int columnAt(const QString& text, int x) const;
    void moveCursor(Position to, bool extend);
    void ensureCursorVisible();
    void updateScrollBars();

    std::shared_ptr<const LineSource> lines_;
    // Lines made for painting and selecting lately; cleared when it grows past a few screens.
    mutable std::map<int64_t, QString> cache_;
    Position anchor_;
    Position cursor_;
    int widest_ = 0; // widest line measured so far, for the horizontal scroll range
};
