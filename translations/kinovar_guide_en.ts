<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>GuideHelp</name>
    <message>
        <source>Не удалось открыть руководство пользователя:
%1</source>
        <translation>Could not open the user guide:
%1</translation>
    </message>
    <message>
        <source>Руководство пользователя не найдено. Искали:</source>
        <translation>The user guide was not found. Looked for:</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>отчёт</source>
        <translation>report</translation>
    </message>
    <message>
        <source>листинг</source>
        <translation>listing</translation>
    </message>
    <message>
        <source>проект (*.kinovar)</source>
        <translation>project (*.kinovar)</translation>
    </message>
    <message>
        <source>Первый запуск</source>
        <translation>A first run</translation>
    </message>
    <message>
        <source>Курсовой проект</source>
        <translation>A course project</translation>
    </message>
    <message>
        <source>Величины</source>
        <translation>Quantities</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Файлы и пакетный режим</source>
        <translation>Files and batch use</translation>
    </message>
    <message>
        <source>Каждая строка таблицы результатов, столбец CSV и кривая графиков — одна из этих величин. Оси: x поперёк линии хода ползуна, y вдоль неё; начало координат — ось кривошипа O; вес направлен к −y.</source>
        <translation>Every row of the results grid, column of the CSV and curve of the charts is one of these quantities. Axes: x across the slider&apos;s line of stroke, y along it; the origin is the crank&apos;s axis O; the weights point to −y.</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Подпись</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Смысл</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Знак</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>На какое тело</source>
        <translation>Acts on</translation>
    </message>
    <message>
        <source>Файлы</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Отчёт, листинг и Kinetic.ini сохраняют прежний состав строк; таблица результатов, экспорт CSV, пакетный CSV и графики содержат все величины.</source>
        <translation>The report, the listing and Kinetic.ini keep their fixed set of rows; the results grid, the CSV export, the batch CSV and the charts carry every quantity.</translation>
    </message>
    <message>
        <source>Ключ — имя параметра в проекте и в ключе --set пакетного режима; подпись — надпись у его кнопки в окне (пусто, если кнопки нет).</source>
        <translation>The key names the parameter in the project file and in the batch&apos;s --set; the caption is the label of its button in the window (empty when it has none).</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Пояснение</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>GuideUnit</name>
    <message>
        <source>рад</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>рад/с²</source>
        <translation>rad/s²</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>безразм.</source>
        <translation>dimensionless</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>м/с²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>kg·m²</translation>
    </message>
    <message>
        <source>рад/с² за шаг</source>
        <translation>rad/s² per step</translation>
    </message>
</context>
<context>
    <name>QuantityGuide</name>
    <message>
        <source>Отсчитывается от оси +x в сторону оси +y.</source>
        <translation>Measured from the +x axis towards the +y axis.</translation>
    </message>
    <message>
        <source>Знак «+» — в сторону роста угла (от оси +x к оси +y).</source>
        <translation>Positive in the direction of growing angle (from +x towards +y).</translation>
    </message>
    <message>
        <source>Знак «+» — в сторону оси +x.</source>
        <translation>Positive towards +x.</translation>
    </message>
    <message>
        <source>Знак «+» — в сторону оси +y, вдоль направляющей ползуна.</source>
        <translation>Positive towards +y, along the slider&apos;s guide.</translation>
    </message>
    <message>
        <source>Безразмерна, от −1 до 1.</source>
        <translation>Dimensionless, from −1 to 1.</translation>
    </message>
    <message>
        <source>Не отрицательна.</source>
        <translation>Never negative.</translation>
    </message>
    <message>
        <source>Модуль: не отрицателен.</source>
        <translation>A magnitude: never negative.</translation>
    </message>
    <message>
        <source>Это +m·a: знак «+» — ускорение центра масс к +x; даламберова сила инерции равна −m·a.</source>
        <translation>This is +m·a: positive when the centre of mass accelerates towards +x; the d&apos;Alembert inertia force is −m·a.</translation>
    </message>
    <message>
        <source>Это +m·a: знак «+» — ускорение центра масс к +y; даламберова сила инерции равна −m·a.</source>
        <translation>This is +m·a: positive when the centre of mass accelerates towards +y; the d&apos;Alembert inertia force is −m·a.</translation>
    </message>
    <message>
        <source>Это +I·α: знак «+» — угловое ускорение звена в сторону роста угла; даламберов момент инерции равен −I·α.</source>
        <translation>This is +I·α: positive when the link&apos;s angular acceleration points the way the angle grows; the d&apos;Alembert inertia moment is −I·α.</translation>
    </message>
    <message>
        <source>Положительна, когда кинетическая энергия звена растёт.</source>
        <translation>Positive while the link&apos;s kinetic energy grows.</translation>
    </message>
    <message>
        <source>Положительна, когда центр масс звена поднимается к +y (вес направлен к −y).</source>
        <translation>Positive while the link&apos;s centre of mass rises towards +y (the weight points to −y).</translation>
    </message>
    <message>
        <source>Знак «+» — в сторону роста угла; при fit &gt; 0 отрицателен, когда машина отдаёт работу (двигатель).</source>
        <translation>Positive in the direction of growing angle; with fit &gt; 0 it is negative while the machine gives work out (an engine).</translation>
    </message>
    <message>
        <source>Угол поворота кривошипа O–A на шаге.</source>
        <translation>The angle of the crank O–A at the step.</translation>
    </message>
    <message>
        <source>На сколько кривошип повернулся от шага 1.</source>
        <translation>How far the crank has turned since step 1.</translation>
    </message>
    <message>
        <source>Угловое ускорение кривошипа по заданному закону (или по истинному движению).</source>
        <translation>The crank&apos;s angular acceleration by the prescribed law (or by the true motion).</translation>
    </message>
    <message>
        <source>Время, за которое кривошип проходит этот шаг.</source>
        <translation>The time the crank takes over this step.</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа на шаге.</source>
        <translation>The crank&apos;s angular velocity at the step.</translation>
    </message>
    <message>
        <source>Угол кривошипа, пересчитанный по длительностям шагов: проверка закона движения.</source>
        <translation>The crank&apos;s angle recomputed from the steps&apos; durations: a check of the motion law.</translation>
    </message>
    <message>
        <source>Синус поворота кривошипа dfi.</source>
        <translation>The sine of the crank&apos;s turn dfi.</translation>
    </message>
    <message>
        <source>Косинус поворота кривошипа dfi.</source>
        <translation>The cosine of the crank&apos;s turn dfi.</translation>
    </message>
    <message>
        <source>Угол шатуна: направление от точки A к точке B.</source>
        <translation>The rod&apos;s angle: the direction from point A to point B.</translation>
    </message>
    <message>
        <source>На сколько шатун повернулся от шага 1.</source>
        <translation>How far the rod has turned since step 1.</translation>
    </message>
    <message>
        <source>Синус поворота шатуна dpsi.</source>
        <translation>The sine of the rod&apos;s turn dpsi.</translation>
    </message>
    <message>
        <source>Косинус поворота шатуна dpsi.</source>
        <translation>The cosine of the rod&apos;s turn dpsi.</translation>
    </message>
    <message>
        <source>Положение пальца кривошипа A по оси x; начало координат — ось кривошипа O.</source>
        <translation>The position of the crank pin A along x; the origin is the crank&apos;s axis O.</translation>
    </message>
    <message>
        <source>Положение пальца кривошипа A по оси y.</source>
        <translation>The position of the crank pin A along y.</translation>
    </message>
    <message>
        <source>Проекция скорости точки A на ось x.</source>
        <translation>The x component of the velocity of point A.</translation>
    </message>
    <message>
        <source>Проекция скорости точки A на ось y.</source>
        <translation>The y component of the velocity of point A.</translation>
    </message>
    <message>
        <source>Проекция ускорения точки A на ось x.</source>
        <translation>The x component of the acceleration of point A.</translation>
    </message>
    <message>
        <source>Проекция ускорения точки A на ось y.</source>
        <translation>The y component of the acceleration of point A.</translation>
    </message>
    <message>
        <source>Угловая скорость шатуна.</source>
        <translation>The rod&apos;s angular velocity.</translation>
    </message>
    <message>
        <source>Угловое ускорение шатуна.</source>
        <translation>The rod&apos;s angular acceleration.</translation>
    </message>
    <message>
        <source>Положение шарнира B (шатун–ползун) по оси x; на направляющей равно b.</source>
        <translation>The position of the joint B (rod–slider) along x; on the guide it equals b.</translation>
    </message>
    <message>
        <source>Положение шарнира B по оси y: ход ползуна читается по этой строке.</source>
        <translation>The position of the joint B along y: the slider&apos;s stroke is read from this row.</translation>
    </message>
    <message>
        <source>Проекция скорости точки B на ось x (0 на направляющей).</source>
        <translation>The x component of the velocity of point B (0 on the guide).</translation>
    </message>
    <message>
        <source>Скорость ползуна вдоль направляющей.</source>
        <translation>The slider&apos;s velocity along the guide.</translation>
    </message>
    <message>
        <source>Проекция ускорения точки B на ось x (0 на направляющей).</source>
        <translation>The x component of the acceleration of point B (0 on the guide).</translation>
    </message>
    <message>
        <source>Ускорение ползуна вдоль направляющей.</source>
        <translation>The slider&apos;s acceleration along the guide.</translation>
    </message>
    <message>
        <source>Положение ползуна по оси x: линия хода x = b.</source>
        <translation>The slider&apos;s position along x: the line of stroke x = b.</translation>
    </message>
    <message>
        <source>Положение ползуна по оси y (как yb).</source>
        <translation>The slider&apos;s position along y (as yb).</translation>
    </message>
    <message>
        <source>Положение центра масс C1 кривошипа по оси x.</source>
        <translation>The position of the crank&apos;s centre of mass C1 along x.</translation>
    </message>
    <message>
        <source>Положение центра масс C1 кривошипа по оси y.</source>
        <translation>The position of the crank&apos;s centre of mass C1 along y.</translation>
    </message>
    <message>
        <source>Проекция скорости центра масс C1 на ось x.</source>
        <translation>The x component of the velocity of the centre of mass C1.</translation>
    </message>
    <message>
        <source>Проекция скорости центра масс C1 на ось y.</source>
        <translation>The y component of the velocity of the centre of mass C1.</translation>
    </message>
    <message>
        <source>Проекция ускорения центра масс C1 на ось x.</source>
        <translation>The x component of the acceleration of the centre of mass C1.</translation>
    </message>
    <message>
        <source>Проекция ускорения центра масс C1 на ось y.</source>
        <translation>The y component of the acceleration of the centre of mass C1.</translation>
    </message>
    <message>
        <source>Кинетическая энергия кривошипа: m·v²/2 центра масс и I·ω²/2 вращения.</source>
        <translation>The crank&apos;s kinetic energy: m·v²/2 of its centre of mass and I·ω²/2 of its rotation.</translation>
    </message>
    <message>
        <source>Масса кривошипа на ускорение его центра масс, по оси x.</source>
        <translation>The crank&apos;s mass times the acceleration of its centre of mass, along x.</translation>
    </message>
    <message>
        <source>Масса кривошипа на ускорение его центра масс, по оси y.</source>
        <translation>The crank&apos;s mass times the acceleration of its centre of mass, along y.</translation>
    </message>
    <message>
        <source>Момент инерции кривошипа на его угловое ускорение.</source>
        <translation>The crank&apos;s moment of inertia times its angular acceleration.</translation>
    </message>
    <message>
        <source>Скорость изменения кинетической энергии кривошипа.</source>
        <translation>The rate of change of the crank&apos;s kinetic energy.</translation>
    </message>
    <message>
        <source>Скорость изменения потенциальной энергии кривошипа в поле тяжести.</source>
        <translation>The rate of change of the crank&apos;s potential energy in gravity.</translation>
    </message>
    <message>
        <source>Положение центра масс C2 шатуна по оси x.</source>
        <translation>The position of the rod&apos;s centre of mass C2 along x.</translation>
    </message>
    <message>
        <source>Положение центра масс C2 шатуна по оси y.</source>
        <translation>The position of the rod&apos;s centre of mass C2 along y.</translation>
    </message>
    <message>
        <source>Проекция скорости центра масс C2 на ось x.</source>
        <translation>The x component of the velocity of the centre of mass C2.</translation>
    </message>
    <message>
        <source>Проекция скорости центра масс C2 на ось y.</source>
        <translation>The y component of the velocity of the centre of mass C2.</translation>
    </message>
    <message>
        <source>Проекция ускорения центра масс C2 на ось x.</source>
        <translation>The x component of the acceleration of the centre of mass C2.</translation>
    </message>
    <message>
        <source>Проекция ускорения центра масс C2 на ось y.</source>
        <translation>The y component of the acceleration of the centre of mass C2.</translation>
    </message>
    <message>
        <source>Кинетическая энергия шатуна: поступательная центра масс и вращательная.</source>
        <translation>The rod&apos;s kinetic energy: that of its centre of mass and that of its rotation.</translation>
    </message>
    <message>
        <source>Масса шатуна на ускорение его центра масс, по оси x.</source>
        <translation>The rod&apos;s mass times the acceleration of its centre of mass, along x.</translation>
    </message>
    <message>
        <source>Масса шатуна на ускорение его центра масс, по оси y.</source>
        <translation>The rod&apos;s mass times the acceleration of its centre of mass, along y.</translation>
    </message>
    <message>
        <source>Момент инерции шатуна на его угловое ускорение.</source>
        <translation>The rod&apos;s moment of inertia times its angular acceleration.</translation>
    </message>
    <message>
        <source>Скорость изменения кинетической энергии шатуна.</source>
        <translation>The rate of change of the rod&apos;s kinetic energy.</translation>
    </message>
    <message>
        <source>Скорость изменения потенциальной энергии шатуна в поле тяжести.</source>
        <translation>The rate of change of the rod&apos;s potential energy in gravity.</translation>
    </message>
    <message>
        <source>Центр масс ползуна — шарнир B: его положение по оси x.</source>
        <translation>The slider&apos;s centre of mass is the joint B: its position along x.</translation>
    </message>
    <message>
        <source>Центр масс ползуна — шарнир B: его положение по оси y.</source>
        <translation>The slider&apos;s centre of mass is the joint B: its position along y.</translation>
    </message>
    <message>
        <source>Проекция скорости ползуна на ось x.</source>
        <translation>The x component of the slider&apos;s velocity.</translation>
    </message>
    <message>
        <source>Скорость ползуна по оси y.</source>
        <translation>The slider&apos;s velocity along y.</translation>
    </message>
    <message>
        <source>Проекция ускорения ползуна на ось x.</source>
        <translation>The x component of the slider&apos;s acceleration.</translation>
    </message>
    <message>
        <source>Ускорение ползуна по оси y.</source>
        <translation>The slider&apos;s acceleration along y.</translation>
    </message>
    <message>
        <source>Кинетическая энергия ползуна: он движется поступательно.</source>
        <translation>The slider&apos;s kinetic energy: it moves without turning.</translation>
    </message>
    <message>
        <source>Масса ползуна на его ускорение, по оси x.</source>
        <translation>The slider&apos;s mass times its acceleration, along x.</translation>
    </message>
    <message>
        <source>Масса ползуна на его ускорение, по оси y.</source>
        <translation>The slider&apos;s mass times its acceleration, along y.</translation>
    </message>
    <message>
        <source>Ползун не вращается: строка всегда равна нулю.</source>
        <translation>The slider does not turn: the row is always zero.</translation>
    </message>
    <message>
        <source>Скорость изменения кинетической энергии ползуна.</source>
        <translation>The rate of change of the slider&apos;s kinetic energy.</translation>
    </message>
    <message>
        <source>Скорость изменения потенциальной энергии ползуна в поле тяжести.</source>
        <translation>The rate of change of the slider&apos;s potential energy in gravity.</translation>
    </message>
    <message>
        <source>Мощность, которую привод должен подвести к кривошипу: изменение энергии звеньев за вычетом мощности нагрузки.</source>
        <translation>The power the drive must deliver to the crank: the change of the links&apos; energy less the power of the load.</translation>
    </message>
    <message>
        <source>Положительна, когда привод отдаёт работу механизму; отрицательна, когда механизм возвращает её приводу.</source>
        <translation>Positive while the drive gives work to the mechanism; negative while the mechanism returns it to the drive.</translation>
    </message>
    <message>
        <source>Приведённый момент: суммарная мощность, делённая на угловую скорость кривошипа.</source>
        <translation>The reduced moment: the total power divided by the crank&apos;s angular velocity.</translation>
    </message>
    <message>
        <source>Работа привода на кривошипе с шага 1 (на шаге 1 равна 0), по правилу трапеций.</source>
        <translation>The drive&apos;s work on the crank since step 1 (0 at step 1), by the trapezoid rule.</translation>
    </message>
    <message>
        <source>Положительна, когда привод отдал механизму больше работы, чем получил; отрицательна, когда машина отдаёт работу.</source>
        <translation>Positive when the drive has given the mechanism more work than it received back; negative while the machine gives work out.</translation>
    </message>
    <message>
        <source>Сила шатуна на ползун по x, как её считает прежняя строка отчёта: без реакции направляющей. Полная сила — fbxk.</source>
        <translation>The rod&apos;s force on the slider along x as the report&apos;s fixed row computes it: without the guide&apos;s reaction. The complete force is fbxk.</translation>
    </message>
    <message>
        <source>Сила шатуна на ползун вдоль направляющей: m·a ползуна, его вес и рабочая нагрузка.</source>
        <translation>The rod&apos;s force on the slider along the guide: the slider&apos;s m·a, its weight and the working load.</translation>
    </message>
    <message>
        <source>Сила кривошипа на шатун по x, без реакции направляющей (прежняя строка). Полная сила — faxk.</source>
        <translation>The crank&apos;s force on the rod along x, without the guide&apos;s reaction (the fixed row). The complete force is faxk.</translation>
    </message>
    <message>
        <source>Сила кривошипа на шатун по y.</source>
        <translation>The crank&apos;s force on the rod along y.</translation>
    </message>
    <message>
        <source>Момент относительно A нагрузок шатуна (m·a, I·α, вес) и силы в B по прежней строке; равен нулю, только когда реакция направляющей nb равна нулю.</source>
        <translation>The moment about A of the rod&apos;s loads (m·a, I·α, weight) and of the force at B by the fixed row; zero only when the guide&apos;s reaction nb is zero.</translation>
    </message>
    <message>
        <source>Сила стойки на кривошип в опоре O по x, без реакции направляющей (прежняя строка). Полная сила — foxk.</source>
        <translation>The frame&apos;s force on the crank at the bearing O along x, without the guide&apos;s reaction (the fixed row). The complete force is foxk.</translation>
    </message>
    <message>
        <source>Сила стойки на кривошип в опоре O по y.</source>
        <translation>The frame&apos;s force on the crank at the bearing O along y.</translation>
    </message>
    <message>
        <source>Рабочая нагрузка на ползун (сила технологического сопротивления или давления газа) из таблицы нагрузки.</source>
        <translation>The working load on the slider (the process resistance or the gas pressure force) from the load table.</translation>
    </message>
    <message>
        <source>Мощность рабочей нагрузки: q на скорость ползуна.</source>
        <translation>The power of the working load: q times the slider&apos;s velocity.</translation>
    </message>
    <message>
        <source>Положительна, когда нагрузка помогает движению ползуна; отрицательна, когда противится ему (рабочий ход).</source>
        <translation>Positive while the load helps the slider along; negative while it resists it (the working stroke).</translation>
    </message>
    <message>
        <source>Полная сила шатуна на ползун по x, с реакцией направляющей: шатун тогда в равновесии моментов.</source>
        <translation>The complete force of the rod on the slider along x, with the guide&apos;s reaction: the rod is then in balance of moments.</translation>
    </message>
    <message>
        <source>Боковое давление: реакция направляющей на ползун поперёк хода.</source>
        <translation>The side thrust: the guide&apos;s reaction on the slider across the stroke.</translation>
    </message>
    <message>
        <source>Полная сила кривошипа на шатун по x, с реакцией направляющей.</source>
        <translation>The complete force of the crank on the rod along x, with the guide&apos;s reaction.</translation>
    </message>
    <message>
        <source>Полная сила стойки на кривошип в опоре O по x, с реакцией направляющей.</source>
        <translation>The complete force of the frame on the crank at O along x, with the guide&apos;s reaction.</translation>
    </message>
    <message>
        <source>Уравновешивающий момент: момент привода, найденный из равновесия кривошипа по силам (Mo — тот же момент, найденный по мощностям).</source>
        <translation>The balancing moment: the drive&apos;s moment found from the crank&apos;s equilibrium of forces (Mo is the same moment found from the powers).</translation>
    </message>
    <message>
        <source>Модуль полной силы в шарнире B (fbxk, fby).</source>
        <translation>The magnitude of the complete force at the joint B (fbxk, fby).</translation>
    </message>
    <message>
        <source>Модуль полной силы в шарнире A (faxk, fay).</source>
        <translation>The magnitude of the complete force at the joint A (faxk, fay).</translation>
    </message>
    <message>
        <source>Модуль полной силы в опоре O (foxk, foy).</source>
        <translation>The magnitude of the complete force at the bearing O (foxk, foy).</translation>
    </message>
    <message>
        <source>Сотрясающая сила по x: −Σm·a всех звеньев, то, что передаётся на фундамент сверх весов и нагрузки.</source>
        <translation>The shaking force along x: −Σm·a of all links, what reaches the foundation beyond the weights and the load.</translation>
    </message>
    <message>
        <source>Сотрясающая сила по y: −Σm·a всех звеньев.</source>
        <translation>The shaking force along y: −Σm·a of all links.</translation>
    </message>
    <message>
        <source>Модуль сотрясающей силы; уравновешивание противовесом уменьшает его.</source>
        <translation>The magnitude of the shaking force; balancing with a counterweight reduces it.</translation>
    </message>
    <message>
        <source>Сотрясающий момент относительно O: −Σ(r×m·a + I·α) всех звеньев.</source>
        <translation>The shaking moment about O: −Σ(r×m·a + I·α) of all links.</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа в установившемся движении машины с маховиком; при заданном законе — fit.</source>
        <translation>The crank&apos;s angular velocity in the steady motion of the machine with its flywheel; under the prescribed law, fit.</translation>
    </message>
    <message>
        <source>Угловое ускорение кривошипа в установившемся движении; при заданном законе — fitt.</source>
        <translation>The crank&apos;s angular acceleration in the steady motion; under the prescribed law, fitt.</translation>
    </message>
    <message>
        <source>Время от шага 1 в установившемся движении; при заданном законе — по заданным скоростям.</source>
        <translation>The time since step 1 in the steady motion; under the prescribed law, from the prescribed velocities.</translation>
    </message>
    <message>
        <source>Растёт от 0 на шаге 1.</source>
        <translation>Grows from 0 at step 1.</translation>
    </message>
    <message>
        <source>на ползун — со стороны шатуна, в шарнире B</source>
        <translation>on the slider, by the rod, at the joint B</translation>
    </message>
    <message>
        <source>на шатун — со стороны кривошипа, в шарнире A</source>
        <translation>on the rod, by the crank, at the joint A</translation>
    </message>
    <message>
        <source>на кривошип — со стороны стойки, в опоре O</source>
        <translation>on the crank, by the frame, at the bearing O</translation>
    </message>
    <message>
        <source>на ползун — со стороны направляющей</source>
        <translation>on the slider, by the guide</translation>
    </message>
    <message>
        <source>на ползун — извне (рабочая нагрузка)</source>
        <translation>on the slider, from outside (the working load)</translation>
    </message>
    <message>
        <source>на кривошип — со стороны привода</source>
        <translation>on the crank, by the drive</translation>
    </message>
    <message>
        <source>на шатун — сумма моментов относительно A</source>
        <translation>on the rod: the sum of moments about A</translation>
    </message>
    <message>
        <source>на стойку — со стороны подвижных звеньев</source>
        <translation>on the frame, by the moving links</translation>
    </message>
    <message>
        <source>кривошип: сумма всех сил и моментов на нём</source>
        <translation>the crank: the sum of all forces and moments on it</translation>
    </message>
    <message>
        <source>шатун: сумма всех сил и моментов на нём</source>
        <translation>the rod: the sum of all forces and moments on it</translation>
    </message>
    <message>
        <source>ползун: сумма всех сил на нём</source>
        <translation>the slider: the sum of all forces on it</translation>
    </message>
</context>
</TS>
