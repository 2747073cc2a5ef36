// The main window TForm1: parameters, results grid, memo, run settings and the menu.
// Handlers read widgets, call the core, and apply the outcome; their bodies are split by concern:
// KPM.cpp (shell, fade; controls in KPM_layout.cpp, menu in KPM_menu.cpp),
// params/qt/KPM_params.cpp (entry, autofill, run settings),
// calc/qt/KPM_calc.cpp (calculation), present/qt/KPM_results.cpp (grid, listing, report),
// present/qt/KPM_export.cpp (animation), present/qt/KPM_charts.cpp (chart commands).
#pragma once
#include <QMainWindow>
#include <array>
#include <cstdint>

#include "platform/Platform.h"
#include "calc/ResultStore.h"
#include "params/ParamSet.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;
class ResultsGridModel;

// One parameter row: caption label, value label, edit button.
struct ParamRowWidgets {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
    QPushButton* button = nullptr; // SpeedButton1..23
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Platform& platform, ParamSet& params, ResultStore& store, QWidget* parent = nullptr);
    ~TForm1() override;

    Platform& platform;
    ParamSet& P;
    ResultStore& R;

    // Widgets, named as in the design.
    QWidget* mempan = nullptr;
    QPlainTextEdit* otchet = nullptr;
    QTableView* sg1 = nullptr;
    ResultsGridModel* sg1Model = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    std::array<ParamRowWidgets, kParamRowCount> rows; // in ParamSet's row order
    QPushButton* BitBtn = nullptr;                    // "Автозаполнение"
    QPushButton* BitBtn1 = nullptr;                   // display refresh
    QComboBox* CB = nullptr;
    QFrame* Enterpn = nullptr;
    QLabel* Label48 = nullptr;
    QLineEdit* Editen = nullptr;
    QPushButton* okbtn = nullptr;
    QFrame* conpan = nullptr;
    QLabel* Label47 = nullptr;
    QComboBox* tune = nullptr;
    QLabel* Label49 = nullptr;
    QLineEdit* cn = nullptr;
    QComboBox* cycletype = nullptr;
    QPushButton* Button1 = nullptr;
    QFrame* Panel1 = nullptr;
    QProgressBar* Loadbar = nullptr;
    QGroupBox* rgd = nullptr;
    std::array<QRadioButton*, 2> rgdItems{};
    QTimer* Timer1 = nullptr;

    // Menu items; N3tw and N4tw are the visible-to-shortcut twins of the hidden N3 and N4.
    QAction *N2 = nullptr, *N3 = nullptr, *N4 = nullptr, *N5 = nullptr;
    QAction *N15 = nullptr, *N7 = nullptr;
    QAction *N10 = nullptr, *N12 = nullptr, *N16 = nullptr, *N17 = nullptr, *N13 = nullptr;
    QAction* N14 = nullptr;
    QAction *N3tw = nullptr, *N4tw = nullptr;

    // Window opacity as the 8-bit value 0..255 handed to the window.
    int opacity() const { return opacity_; }
    void setOpacity(int value);
    // Index of the selected rgd item (-1 none).
    int rgdItemIndex() const;
    // Replace the whole memo text.
    void setMemo(const QString& text);

    // Shell (KPM.cpp).
    void FormCreate();
    void BitBtn1Click();
    void Timer1Timer();
    void N5Click();
    void N7Click();
    void N14Click();
    void N17Click();

    // Parameters (params/qt/KPM_params.cpp).
    void SpeedButtonClick(int row);
    void okbtnClick();
    void BitBtnClick();
    void tuneChange();
    void Button1Click();
    void CBChange();

    // Calculation (calc/qt/KPM_calc.cpp).
    void N10Click();

    // Results grid, listing and report (present/qt/KPM_results.cpp).
    void buildResultsGrid(); // creates sg1 and sg1Model inside mempan
    void N15Click();
    void N4Click();
    void N3Click();

    // Animation (present/qt/KPM_export.cpp).
    void N12Click();

    // Charts (present/qt/KPM_charts.cpp).
    void N16Click();
    void N13Click();

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose: the fade-out
    void changeEvent(QEvent* event) override;     // locale changes reread the separator

private:
    void buildLayout();
    void buildMenu();
    void buildParamRows();
    void buildRunSettings();
    void renderParamLabels(); // the 23 value labels, in the refresh order
    int opacity_ = 0;
    int tuneTypedIndex_ = -1; // the item a typed text of tune named, until a selection
};

// Process-wide window references, set when each window is created.
class MoEChartWindow;
class QuantityChartWindow;
class AboutWindow;
extern TForm1* Form1;
extern MoEChartWindow* Form2;
extern QuantityChartWindow* Form3;
extern AboutWindow* Form4;

// Row-caption count set by "Обновить": captions read from "scr.ini" plus one.
extern int32_t scrrows;
