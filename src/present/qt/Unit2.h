// The Mo/E chart window TForm2 ("Графики").
#pragma once
#include <QWidget>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(const TParamSet& params, const TResultStore& store, QWidget* parent = nullptr);
};
