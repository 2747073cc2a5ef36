// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/SummaryText.h"

#include <cmath>
#include <cstdio>

#include "base/UiText.h"

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

std::string momentCheckText(long double check, char decimal)
{
    if (!std::isfinite(check)) return uiText("Summary", "проверка: моменты не сходятся");
    if (check == 0) return uiText("Summary", "проверка: моменты совпадают");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0Le", check);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = decimal;
    return fillIn(uiText("Summary", "проверка: моменты сходятся до %1"), {text});
}

std::string figureBasisText(const RunSummary& s, char decimal)
{
    const FigureBasis& b = s.basis;
    const auto degrees = [decimal](long double v) { return summaryFigure(v, decimal) + "°"; };
    if (b.source == FigureSource::RunSteps) {
        if (b.periodRunFaulted)
            return fillIn(
                uiText("Summary", "Пиковые значения и маховик — по шагам расчёта (шаг "
                                  "%1): расчёт периода с шагом %2 прерван при φ = %3"),
                {degrees(b.runStepDegrees), degrees(b.faultStepDegrees), degrees(b.faultAngle)});
        return fillIn(uiText("Summary", "Пиковые значения и маховик — по шагам расчёта (шаг %1)"),
                      {degrees(b.runStepDegrees)});
    }
    if (b.stepAdjusted)
        return fillIn(uiText("Summary", "Пиковые значения и маховик — по %1 от начального угла с "
                                        "шагом %2 (шаг расчёта %3 не укладывается в период целое "
                                        "число раз)"),
                      {degrees(b.spanDegrees), degrees(b.stepDegrees), degrees(b.runStepDegrees)});
    return fillIn(
        uiText("Summary", "Пиковые значения и маховик — по %1 от начального угла с шагом %2"),
        {degrees(b.spanDegrees), degrees(b.stepDegrees)});
}

namespace {

class Lines {
public:
    explicit Lines(char decimal) : decimal_(decimal) {}

    void heading(const std::string& title) { out_.push_back({title, "", "", "", true}); }
    void note(const std::string& text) { out_.push_back({text, "", "", "", false}); }
    void figure(const std::string& label, long double value)
    {
        out_.push_back({label, summaryFigure(value, decimal_), "", "", false});
    }
    void peak(const std::string& label, const SummaryPoint& p)
    {
        // Step 0: a value of the figures' period run, whose steps are not the run's.
        out_.push_back({label, summaryFigure(p.value, decimal_),
                        p.step > 0 ? std::to_string(p.step) : std::string(),
                        summaryFigure(p.angle, decimal_), false});
    }
    std::vector<SummaryLine> take() { return std::move(out_); }

private:
    char decimal_;
    std::vector<SummaryLine> out_;
};

void flywheelLines(Lines& lines, const RunSummary& s)
{
    lines.heading(uiText("Summary", "Маховик"));
    if (!s.flywheel) {
        lines.note(s.flywheelError);
        return;
    }
    const FlywheelSizing& f = *s.flywheel;
    lines.figure(uiText("Summary", "Период, °"), s.period);
    lines.figure(uiText("Summary", "Коэффициент неравномерности δ"), f.delta);
    lines.figure(uiText("Summary", "Средняя угловая скорость ω (по времени), рад/с"), f.omegaMean);
    lines.figure(uiText("Summary", "Постоянный движущий момент M_d, Н·м"), f.meanMoment);
    lines.figure(uiText("Summary", "Средняя мощность P, Вт"), f.meanPower);
    lines.figure(uiText("Summary", "Наибольший перепад энергии ΔT_max, Дж"), f.energySwing);
    lines.figure(uiText("Summary", "Требуемый момент инерции J, кг·м²"), f.requiredInertia);
    lines.figure(uiText("Summary", "Момент инерции кривошипа J_кр, кг·м²"), f.crankInertia);
    lines.figure(uiText("Summary", "Момент инерции маховика J_м, кг·м²"), f.flywheelInertia);
    // A moment within rounding of zero (a load that does no work over the period) is no engine.
    const long double periodRadians = s.period * 3.14159265358979323846L / 180;
    if (f.meanMoment * periodRadians < -1e-9L * f.energySwing)
        lines.note(uiText("Summary", "M_d < 0: механизм отдаёт мощность (двигатель)"));
    if (f.flywheelInertia <= 0)
        lines.note(uiText("Summary", "Маховик не нужен: хватает инерции кривошипа"));
    if (f.omegaVaries)
        lines.note(uiText("Summary", "Внимание: угловая скорость кривошипа не постоянна (Fitt0 или "
                                     "+Fitt не 0), метод даёт приближённый результат"));
}

void shakingLines(Lines& lines, const ShakingFigures& f)
{
    lines.heading(uiText("Summary", "Уравновешенность (силы на стойку)"));
    lines.peak(uiText("Summary", "Наибольшая сотрясающая сила |F_sh|, Н"), f.force);
    lines.peak(uiText("Summary", "Наибольший сотрясающий момент |M_sh| относительно O, Н·м"),
               f.moment);
    if (f.counterweight) {
        lines.figure(uiText("Summary", "Противовес Mпв·Rпв, кг·м"), f.counterweight->massRadius);
        lines.figure(uiText("Summary", "Угол противовеса от пальца кривошипа, °"),
                     f.counterweight->angle);
        if (!std::isnan(f.counterweight->fraction))
            lines.figure(uiText("Summary", "Доля уравновешенных возвратно-движущихся масс c"),
                         f.counterweight->fraction);
        lines.peak(uiText("Summary", "Наибольшая сотрясающая сила без противовеса, Н"),
                   f.counterweight->forceWithout);
    }
    if (f.primary && f.secondary && f.reciprocating) {
        lines.note(uiText("Summary",
                          "Центральный механизм: неуравновешенные силы возвратно-движущихся масс"));
        lines.peak(uiText("Summary", "Первичная сила m·ω²·r·cos θ, наибольшая, Н"), *f.primary);
        lines.peak(uiText("Summary", "Вторичная сила m·ω²·r·cos 2θ / n, наибольшая, Н"),
                   *f.secondary);
        lines.peak(uiText("Summary", "Точная сила инерции m·|ÿ_B|, наибольшая, Н"),
                   *f.reciprocating);
    }
}

void trueMotionLines(Lines& lines, const RunSummary& s, char decimal)
{
    if (!s.trueMotion) return;
    lines.heading(uiText("Summary", "Истинное движение"));
    const TrueMotionRun& run = *s.trueMotion;
    if (!run.steady) {
        lines.note(run.error);
        return;
    }
    const SteadyRunning& steady = *run.steady;
    lines.note(
        fillIn(uiText("Summary", "δ достигнутое = %1, δ заданное = %2"),
               {summaryFigure(steady.delta, decimal), summaryFigure(s.deltaAsked, decimal)}));
    lines.figure(uiText("Summary", "Момент инерции маховика J_м, кг·м²"), run.flywheel);
    lines.figure(uiText("Summary", "Наименьшая угловая скорость ω_min, рад/с"), steady.omegaMin);
    lines.figure(uiText("Summary", "Наибольшая угловая скорость ω_max, рад/с"), steady.omegaMax);
    lines.figure(uiText("Summary", "Средняя угловая скорость ω_ср (по времени), рад/с"),
                 steady.omegaMean);
    lines.figure(uiText("Summary", "Время периода, с"), steady.periodTime);
    if (run.startUp) {
        const std::vector<MotionSample>& up = run.startUp->speed;
        const bool fromRest = up.empty() || !(up.front().omega > 0);
        lines.figure(fromRest ? uiText("Summary", "Время разгона из покоя, с")
                              : uiText("Summary", "Время разгона от ω пуска, с"),
                     run.startUp->time);
        lines.figure(uiText("Summary", "Оборотов за разгон"), run.startUp->turns);
    } else {
        lines.note(fillIn(uiText("Summary", "Разгон: %1"), {run.startUpError}));
    }
}

} // namespace

std::vector<SummaryLine> summaryLines(const RunSummary& s, char decimal)
{
    Lines lines(decimal);
    if (s.branchJump || s.accelerationGrowsPerStep) {
        lines.heading(uiText("Summary", "Предупреждения"));
        if (s.branchJump) lines.note(branchJumpText(*s.branchJump, decimal));
        if (s.accelerationGrowsPerStep) lines.note(uiText("Summary", kGrowingAccelerationNote));
    }
    lines.heading(uiText("Summary", "Пиковые значения"));
    lines.note(figureBasisText(s, decimal));
    if (s.stroke)
        lines.figure(uiText("Summary", "Ход ползуна, м"), s.stroke->value);
    else
        lines.note(uiText("Summary", "Ход ползуна: кривошип не проворачивается полностью"));
    lines.peak(uiText("Summary", "Наибольшая скорость ползуна |ybt|, м/с"), s.sliderSpeed);
    lines.peak(uiText("Summary", "Наибольшее ускорение ползуна |ybtt|, м/с²"),
               s.sliderAcceleration);
    lines.peak(uiText("Summary", "Наибольший угол давления (шатун – направляющая), °"),
               s.pressureAngle);
    lines.peak(uiText("Summary", "Наибольший приведённый момент |Mo|, Н·м"), s.crankMoment);
    lines.heading(uiText("Summary", "Реакции в шарнирах (с учётом направляющей)"));
    lines.peak(uiText("Summary", "Наибольшая сила в шарнире B |F_B|, Н"), s.jointB);
    lines.peak(uiText("Summary", "Наибольшая сила в шарнире A |F_A|, Н"), s.jointA);
    lines.peak(uiText("Summary", "Наибольшая сила в опоре O |F_O|, Н"), s.jointO);
    lines.peak(uiText("Summary", "Наибольшая боковая сила на направляющую |nb|, Н"), s.sideThrust);
    lines.note(momentCheckText(s.momentCheck, decimal));
    if (s.loadWork) lines.figure(uiText("Summary", "Работа нагрузки за период, Дж"), *s.loadWork);

    shakingLines(lines, s.shaking);
    flywheelLines(lines, s);
    trueMotionLines(lines, s, decimal);

    lines.heading(uiText("Summary", "Экстремумы"));
    lines.note(fillIn(uiText("Summary", "По шагам расчёта (шаг %1°)"),
                      {summaryFigure(s.stepDegrees, decimal)}));
    for (const QuantityExtremes& x : s.extremes) {
        const std::string name = std::string(x.quantity->name) + ", " + shownUnit(x.quantity->unit);
        lines.peak(fillIn(uiText("Summary", "%1: мин."), {name}), x.min);
        lines.peak(fillIn(uiText("Summary", "%1: макс."), {name}), x.max);
    }
    return lines.take();
}
