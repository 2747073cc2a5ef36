// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: a frameless black window whose logo grows and which fades in on its
// first showing; a click anywhere in it, or Esc, hides it again.
#pragma once
#include <QWidget>

class QLabel;
class QTimer;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Window opacity as the 8-bit value 0..255 handed to the window.
    int opacity() const { return opacity_; }
    void setOpacity(int value);

    // Starts the growth timer unless the logo is already full-size and the window opaque.
    void startGrowth();
    // One growth tick: logo height +1 up to 314, width +1 up to 164, opacity +1 up to 255; the
    // timer stops once all three are reached.
    void growStep();
    // A click on the window, the logo or a label, or Esc: hides the window.
    void logoClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool fullyGrown() const;
    // Each object is named as it is called here.
    QWidget* logo = nullptr;      // the picture, stretched to the control's size
    QLabel* titleLabel = nullptr; // product caption
    QLabel* teamLabel = nullptr;  // credit lines
    QLabel* subjectLabel = nullptr;
    QLabel* versionLabel = nullptr;
    QLabel* licenceLabel = nullptr; // the licence, in two lines
    QTimer* growthTimer = nullptr; // 10 ms growth timer, started by the first showing
    int opacity_ = 0;
};
