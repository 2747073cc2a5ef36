// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/SummaryText.h"

#include <cmath>
#include <cstdio>

std::string summaryFigure(long double value, char decimal)
{
    if (!std::isfinite(value)) return "—";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6Lg", value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = decimal;
    return text;
}

namespace {

class Lines {
public:
    explicit Lines(char decimal) : decimal_(decimal) {}

    void heading(const char* title) { out_.push_back({title, "", "", "", true}); }
    void note(const std::string& text) { out_.push_back({text, "", "", "", false}); }
    void figure(const std::string& label, long double value)
    {
        out_.push_back({label, summaryFigure(value, decimal_), "", "", false});
    }
    void point(const std::string& label, const SummaryPoint& p)
    {
        out_.push_back({label, summaryFigure(p.value, decimal_), std::to_string(p.step),
                        summaryFigure(p.angle, decimal_), false});
    }
    std::vector<SummaryLine> take() { return std::move(out_); }

private:
    char decimal_;
    std::vector<SummaryLine> out_;
};

void flywheelLines(Lines& lines, const RunSummary& s)
{
    lines.heading("Маховик");
    if (!s.flywheel) {
        lines.note(s.flywheelError);
        return;
    }
    const FlywheelSizing& f = *s.flywheel;
    lines.figure("Период, °", s.period);
    lines.figure("Коэффициент неравномерности δ", f.delta);
    lines.figure("Средняя угловая скорость ω (по времени), рад/с", f.omegaMean);
    lines.figure("Постоянный движущий момент M_d, Н·м", f.meanMoment);
    lines.figure("Средняя мощность P, Вт", f.meanPower);
    lines.figure("Наибольший перепад энергии ΔT_max, Дж", f.energySwing);
    lines.figure("Требуемый момент инерции J, кг·м²", f.requiredInertia);
    lines.figure("Момент инерции кривошипа J_кр, кг·м²", f.crankInertia);
    lines.figure("Момент инерции маховика J_м, кг·м²", f.flywheelInertia);
    if (f.meanMoment < 0) lines.note("M_d < 0: механизм отдаёт мощность (двигатель)");
    if (f.flywheelInertia <= 0) lines.note("Маховик не нужен: хватает инерции кривошипа");
    if (f.omegaVaries)
        lines.note("Внимание: угловая скорость кривошипа не постоянна (Fitt0 или +Fitt не 0), "
                   "метод даёт приближённый результат");
}

} // namespace

std::vector<SummaryLine> summaryLines(const RunSummary& s, char decimal)
{
    Lines lines(decimal);
    lines.heading("Пиковые значения");
    if (s.stroke)
        lines.figure("Ход ползуна, м", s.stroke->value);
    else
        lines.note("Ход ползуна: кривошип не проворачивается полностью");
    lines.point("Наибольшая скорость ползуна |ybt|, м/с", s.sliderSpeed);
    lines.point("Наибольшее ускорение ползуна |ybtt|, м/с²", s.sliderAcceleration);
    lines.point("Наибольший угол давления (шатун – направляющая), °", s.pressureAngle);

    flywheelLines(lines, s);

    lines.heading("Экстремумы");
    for (const QuantityExtremes& x : s.extremes) {
        const std::string name = std::string(x.quantity->name) + ", " + x.quantity->unit;
        lines.point(name + ": мин.", x.min);
        lines.point(name + ": макс.", x.max);
    }
    return lines.take();
}
