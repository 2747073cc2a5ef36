#include "present/qt/Unit3.h"

TForm3::TForm3(const TParamSet&, const TResultStore&, QWidget* parent) : QWidget(parent) {}
