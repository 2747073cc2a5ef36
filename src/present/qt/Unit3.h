// The parameter chart window TForm3 ("CGA").
#pragma once
#include <QWidget>

#include "calc/ResultStore.h"
#include "params/ParamSet.h"

class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3(const TParamSet& params, const TResultStore& store, QWidget* parent = nullptr);
};
