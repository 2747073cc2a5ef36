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

std::string momentCheckText(long double check, char decimal)
{
    if (!std::isfinite(check)) return "проверка: моменты не сходятся";
    if (check == 0) return "проверка: моменты совпадают";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0Le", check);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.') c = decimal;
    return std::string("проверка: моменты сходятся до ") + text;
}

std::string figureBasisText(const RunSummary& s, char decimal)
{
    const FigureBasis& b = s.basis;
    const auto degrees = [decimal](long double v) { return summaryFigure(v, decimal) + "°"; };
    if (b.source == FigureSource::RunSteps) {
        std::string text =
            "Пиковые значения и маховик — по шагам расчёта (шаг " + degrees(b.runStepDegrees) + ")";
        if (b.periodRunFaulted)
            text += ": расчёт периода с шагом " + degrees(b.faultStepDegrees) +
                    " прерван при φ = " + degrees(b.faultAngle);
        return text;
    }
    std::string text = "Пиковые значения и маховик — по " + degrees(b.spanDegrees) +
                       " от начального угла с шагом " + degrees(b.stepDegrees);
    if (b.stepAdjusted)
        text += " (шаг расчёта " + degrees(b.runStepDegrees) +
                " не укладывается в период целое число раз)";
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
    // A moment within rounding of zero (a load that does no work over the period) is no engine.
    const long double periodRadians = s.period * 3.14159265358979323846L / 180;
    if (f.meanMoment * periodRadians < -1e-9L * f.energySwing)
        lines.note("M_d < 0: механизм отдаёт мощность (двигатель)");
    if (f.flywheelInertia <= 0) lines.note("Маховик не нужен: хватает инерции кривошипа");
    if (f.omegaVaries)
        lines.note("Внимание: угловая скорость кривошипа не постоянна (Fitt0 или +Fitt не 0), "
                   "метод даёт приближённый результат");
}

void shakingLines(Lines& lines, const ShakingFigures& f)
{
    lines.heading("Уравновешенность (силы на стойку)");
    lines.peak("Наибольшая сотрясающая сила |F_sh|, Н", f.force);
    lines.peak("Наибольший сотрясающий момент |M_sh| относительно O, Н·м", f.moment);
    if (f.counterweight) {
        lines.figure("Противовес Mпв·Rпв, кг·м", f.counterweight->massRadius);
        lines.figure("Угол противовеса от пальца кривошипа, °", f.counterweight->angle);
        if (!std::isnan(f.counterweight->fraction))
            lines.figure("Доля уравновешенных возвратно-движущихся масс c",
                         f.counterweight->fraction);
        lines.peak("Наибольшая сотрясающая сила без противовеса, Н", f.counterweight->forceWithout);
    }
    if (f.primary && f.secondary && f.reciprocating) {
        lines.note("Центральный механизм: неуравновешенные силы возвратно-движущихся масс");
        lines.peak("Первичная сила m·ω²·r·cos θ, наибольшая, Н", *f.primary);
        lines.peak("Вторичная сила m·ω²·r·cos 2θ / n, наибольшая, Н", *f.secondary);
        lines.peak("Точная сила инерции m·|ÿ_B|, наибольшая, Н", *f.reciprocating);
    }
}

void trueMotionLines(Lines& lines, const RunSummary& s, char decimal)
{
    if (!s.trueMotion) return;
    lines.heading("Истинное движение");
    const TrueMotionRun& run = *s.trueMotion;
    if (!run.steady) {
        lines.note(run.error);
        return;
    }
    const SteadyRunning& steady = *run.steady;
    lines.note("δ достигнутое = " + summaryFigure(steady.delta, decimal) +
               ", δ заданное = " + summaryFigure(s.deltaAsked, decimal));
    lines.figure("Момент инерции маховика J_м, кг·м²", run.flywheel);
    lines.figure("Наименьшая угловая скорость ω_min, рад/с", steady.omegaMin);
    lines.figure("Наибольшая угловая скорость ω_max, рад/с", steady.omegaMax);
    lines.figure("Средняя угловая скорость ω_ср (по времени), рад/с", steady.omegaMean);
    lines.figure("Время периода, с", steady.periodTime);
    if (run.startUp) {
        const std::vector<MotionSample>& up = run.startUp->speed;
        const bool fromRest = up.empty() || !(up.front().omega > 0);
        lines.figure(fromRest ? "Время разгона из покоя, с" : "Время разгона от ω пуска, с",
                     run.startUp->time);
        lines.figure("Оборотов за разгон", run.startUp->turns);
    } else {
        lines.note("Разгон: " + run.startUpError);
    }
}

} // namespace

std::vector<SummaryLine> summaryLines(const RunSummary& s, char decimal)
{
    Lines lines(decimal);
    if (s.branchJump || s.accelerationGrowsPerStep) {
        lines.heading("Предупреждения");
        if (s.branchJump) lines.note(branchJumpText(*s.branchJump, decimal));
        if (s.accelerationGrowsPerStep) lines.note(kGrowingAccelerationNote);
    }
    lines.heading("Пиковые значения");
    lines.note(figureBasisText(s, decimal));
    if (s.stroke)
        lines.figure("Ход ползуна, м", s.stroke->value);
    else
        lines.note("Ход ползуна: кривошип не проворачивается полностью");
    lines.peak("Наибольшая скорость ползуна |ybt|, м/с", s.sliderSpeed);
    lines.peak("Наибольшее ускорение ползуна |ybtt|, м/с²", s.sliderAcceleration);
    lines.peak("Наибольший угол давления (шатун – направляющая), °", s.pressureAngle);
    lines.peak("Наибольший приведённый момент |Mo|, Н·м", s.crankMoment);
    lines.heading("Реакции в шарнирах (с учётом направляющей)");
    lines.peak("Наибольшая сила в шарнире B |F_B|, Н", s.jointB);
    lines.peak("Наибольшая сила в шарнире A |F_A|, Н", s.jointA);
    lines.peak("Наибольшая сила в опоре O |F_O|, Н", s.jointO);
    lines.peak("Наибольшая боковая сила на направляющую |nb|, Н", s.sideThrust);
    lines.note(momentCheckText(s.momentCheck, decimal));
    if (s.loadWork) lines.figure("Работа нагрузки за период, Дж", *s.loadWork);

    shakingLines(lines, s.shaking);
    flywheelLines(lines, s);
    trueMotionLines(lines, s, decimal);

    lines.heading("Экстремумы");
    lines.note("По шагам расчёта (шаг " + summaryFigure(s.stepDegrees, decimal) + "°)");
    for (const QuantityExtremes& x : s.extremes) {
        const std::string name = std::string(x.quantity->name) + ", " + x.quantity->unit;
        lines.peak(name + ": мин.", x.min);
        lines.peak(name + ": макс.", x.max);
    }
    return lines.take();
}
