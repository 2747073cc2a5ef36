#include "present/qt/Unit2.h"

TForm2::TForm2(const TParamSet&, const TResultStore&, QWidget* parent) : QWidget(parent) {}
