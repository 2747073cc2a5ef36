<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Autofill</name>
    <message>
        <source>Критическая ошибка: перезапустите программу</source>
        <translation>Critical error: restart the program</translation>
    </message>
    <message>
        <source>Шатун не достаёт до направляющей при Fi0: механизм не собирается. Увеличьте L2 или уменьшите L1.</source>
        <translation>The connecting rod does not reach the guide at Fi0: the mechanism cannot be assembled. Increase L2 or reduce L1.</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>Шаг %1, угол кривошипа %2°</source>
        <translation>Step %1, crank angle %2°</translation>
    </message>
    <message>
        <source>Операция прервана. </source>
        <translation>Operation aborted. </translation>
    </message>
    <message>
        <source>результаты только для шагов 1–%1</source>
        <translation>results for steps 1–%1 only</translation>
    </message>
    <message>
        <source>результатов нет</source>
        <translation>no results</translation>
    </message>
    <message>
        <source>%1 (шаг %2 из %3), %4: %5</source>
        <translation>%1 (step %2 of %3), %4: %5</translation>
    </message>
    <message>
        <source>Расчёт остановлен при φ = %1°</source>
        <translation>Calculation stopped at φ = %1°</translation>
    </message>
    <message>
        <source>Был произведён новый расчёт...</source>
        <translation>A new calculation has been made...</translation>
    </message>
    <message>
        <source>Нет результатов: сначала выполните «Расчет»</source>
        <translation>No results: run “Calculate” first</translation>
    </message>
    <message>
        <source>Результаты относятся к прежним параметрам: нажмите «Расчет»</source>
        <translation>The results belong to earlier parameters: press “Calculate”</translation>
    </message>
    <message>
        <source>Операция прервана. Критическая ошибка на этапе кинематического анализа.</source>
        <translation>Operation aborted. Critical error in the kinematic analysis.</translation>
    </message>
    <message>
        <source>Операция прервана. Критическая ошибка на этапе энергетического анализа.</source>
        <translation>Operation aborted. Critical error in the energy analysis.</translation>
    </message>
    <message>
        <source>Операция прервана. Критическая ошибка на этапе силового анализа.</source>
        <translation>Operation aborted. Critical error in the force analysis.</translation>
    </message>
    <message>
        <source>Операция прервана. Критическая ошибка на этапе расчёта реакций.</source>
        <translation>Operation aborted. Critical error in the calculation of the reactions.</translation>
    </message>
    <message>
        <source>Операция прервана. Кривошип останавливается, не дойдя до следующего угла: при заданном угловом ускорении его угловая скорость обращается в нуль. Уменьшите замедление или увеличьте Fit0.</source>
        <translation>Operation aborted. The crank stops before it reaches the next angle: under the given angular acceleration its angular velocity falls to zero. Reduce the deceleration or increase Fit0.</translation>
    </message>
    <message>
        <source>Операция прервана. Ползун сошёл с направляющей x = B: положения точек не согласуются с длинами звеньев или с ветвью шатуна. Выполните «Автозаполнение».</source>
        <translation>Operation aborted. The slider has left the guide x = B: the points do not agree with the link lengths or with the connecting rod&apos;s branch. Run “Autofill”.</translation>
    </message>
    <message>
        <source>Операция прервана. Истинное движение не найдено: у машины нет установившегося движения при этом приводе и маховике.</source>
        <translation>Operation aborted. No true motion found: the machine has no steady running with this drive and flywheel.</translation>
    </message>
    <message>
        <source>Результаты относятся к прежним параметрам.</source>
        <translation>The results belong to earlier parameters.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Приведённый момент и работа</source>
        <translation>Reduced moment and work</translation>
    </message>
    <message>
        <source>Ползун: положение, скорость, ускорение</source>
        <translation>Slider: position, velocity, acceleration</translation>
    </message>
    <message>
        <source>Силы в шарнирах</source>
        <translation>Joint forces</translation>
    </message>
    <message>
        <source>Маховик: избыточная работа ΔT</source>
        <translation>Flywheel: surplus work ΔT</translation>
    </message>
    <message>
        <source>Без названия</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Kinovar, версия %1</source>
        <translation>Kinovar, version %1</translation>
    </message>
    <message>
        <source>Шаг расчёта: %1°</source>
        <translation>Calculation step: %1°</translation>
    </message>
    <message>
        <source>Циклов: %1 (шагов: %2)</source>
        <translation>Cycles: %1 (steps: %2)</translation>
    </message>
    <message>
        <source>Режим: %1</source>
        <translation>Mode: %1</translation>
    </message>
    <message>
        <source>Доля хода</source>
        <translation>Stroke fraction</translation>
    </message>
    <message>
        <source>Q к кривошипу, Н</source>
        <translation>Q towards the crank, N</translation>
    </message>
    <message>
        <source>Q от кривошипа, Н</source>
        <translation>Q away from the crank, N</translation>
    </message>
    <message>
        <source>Q, Н</source>
        <translation>Q, N</translation>
    </message>
    <message>
        <source>стр. %1 из %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>к кривошипу</source>
        <translation>towards the crank</translation>
    </message>
    <message>
        <source>от кривошипа</source>
        <translation>away from the crank</translation>
    </message>
    <message>
        <source>доля хода</source>
        <translation>stroke fraction</translation>
    </message>
    <message>
        <source>Схема механизма</source>
        <translation>Mechanism diagram</translation>
    </message>
    <message>
        <source>Начальное положение, φ = %1°; масштаб μl = %2 м/мм</source>
        <translation>Initial position, φ = %1°; scale μl = %2 m/mm</translation>
    </message>
    <message>
        <source>l1 = %1 м, l2 = %2 м, b = %3 м</source>
        <translation>l1 = %1 m, l2 = %2 m, b = %3 m</translation>
    </message>
    <message>
        <source>План положений через 30° (0 — начальное положение)</source>
        <translation>Positions every 30° (0: the initial position)</translation>
    </message>
    <message>
        <source>Не построен: при φ = %1° шатун не достаёт до направляющей</source>
        <translation>Not drawn: at φ = %1° the connecting rod does not reach the guide</translation>
    </message>
    <message>
        <source>Кинематический, энергетический и силовой анализ</source>
        <translation>Kinematic, energy and force analysis</translation>
    </message>
    <message>
        <source>кривошипно-ползунного механизма</source>
        <translation>of a slider-crank mechanism</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Единица</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Нагрузка на ползун</source>
        <translation>Load on the slider</translation>
    </message>
    <message>
        <source>Сводка</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>шаг</source>
        <translation>step</translation>
    </message>
    <message>
        <source>Сравнение вариантов</source>
        <translation>Comparison of variants</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>Ошибка: Данный параметр должен быть целым и положительным.</source>
        <translation>Error: this parameter must be whole and positive.</translation>
    </message>
    <message>
        <source>Ошибка: Сумма l1+b&lt;&gt;l2, что может привести к ошибкам... Исправлено.</source>
        <translation>Error: l1+b&lt;&gt;l2, which may lead to errors... Corrected.</translation>
    </message>
    <message>
        <source>L2 не может быть меньше L1: смещение B = L2 − L1 стало бы отрицательным. Значение L2 не принято.</source>
        <translation>L2 cannot be less than L1: the offset B = L2 − L1 would become negative. The value of L2 was not accepted.</translation>
    </message>
    <message>
        <source>Критическая ошибка!</source>
        <translation>Critical error!</translation>
    </message>
    <message>
        <source>Допустимы только цифры, знак и десятичный разделитель</source>
        <translation>Only digits, a sign and the decimal separator are allowed</translation>
    </message>
    <message>
        <source>Значение не введено: параметр не изменён</source>
        <translation>No value entered: the parameter is unchanged</translation>
    </message>
</context>
<context>
    <name>Figure</name>
    <message>
        <source>M_d</source>
        <translation>M_d</translation>
    </message>
    <message>
        <source>P_ср</source>
        <translation>P_mean</translation>
    </message>
    <message>
        <source>J маховика</source>
        <translation>J of the flywheel</translation>
    </message>
    <message>
        <source>|F_A| макс.</source>
        <translation>|F_A| max.</translation>
    </message>
    <message>
        <source>|F_O| макс.</source>
        <translation>|F_O| max.</translation>
    </message>
    <message>
        <source>|F_B| макс.</source>
        <translation>|F_B| max.</translation>
    </message>
    <message>
        <source>|Mo| макс.</source>
        <translation>|Mo| max.</translation>
    </message>
    <message>
        <source>ход ползуна</source>
        <translation>slider stroke</translation>
    </message>
    <message>
        <source>|v_B| макс.</source>
        <translation>|v_B| max.</translation>
    </message>
    <message>
        <source>|a_B| макс.</source>
        <translation>|a_B| max.</translation>
    </message>
    <message>
        <source>|N_B| макс.</source>
        <translation>|N_B| max.</translation>
    </message>
    <message>
        <source>угол давления макс.</source>
        <translation>pressure angle max.</translation>
    </message>
    <message>
        <source>|F_sh| макс.</source>
        <translation>|F_sh| max.</translation>
    </message>
</context>
<context>
    <name>Flywheel</name>
    <message>
        <source>для маховика нужен шаг больше нуля</source>
        <translation>the flywheel needs a step greater than zero</translation>
    </message>
    <message>
        <source>для маховика шаг должен укладываться в период %1° целое число раз: выберите другой шаг</source>
        <translation>for the flywheel the step must fit the period of %1° a whole number of times: choose another step</translation>
    </message>
    <message>
        <source>для маховика нужен полный период: увеличьте число циклов до %1</source>
        <translation>the flywheel needs a full period: increase the number of cycles to %1</translation>
    </message>
    <message>
        <source>для маховика нужна ненулевая средняя угловая скорость кривошипа</source>
        <translation>the flywheel needs a non-zero mean angular velocity of the crank</translation>
    </message>
    <message>
        <source>нет результатов расчёта</source>
        <translation>no calculation results</translation>
    </message>
</context>
<context>
    <name>Kinetic</name>
    <message>
        <source>Аниматор не прочтёт этот файл: %1: %2</source>
        <translation>The animator would not read this file: %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; вне диапазона double</source>
        <translation>&quot;%1&quot; is outside the range of a double</translation>
    </message>
    <message>
        <source>заголовок</source>
        <translation>header</translation>
    </message>
    <message>
        <source>кривошип выводит рисунок за допустимый размах 1E150 м</source>
        <translation>the crank takes the drawing beyond the permitted span of 1E150 m</translation>
    </message>
    <message>
        <source>направляющая выводит рисунок за допустимый размах 1E150 м</source>
        <translation>the guide takes the drawing beyond the permitted span of 1E150 m</translation>
    </message>
    <message>
        <source>шаг %1</source>
        <translation>step %1</translation>
    </message>
    <message>
        <source>положение выводит рисунок за допустимый размах 1E150 м</source>
        <translation>the position takes the drawing beyond the permitted span of 1E150 m</translation>
    </message>
</context>
<context>
    <name>KineticReader</name>
    <message>
        <source>строка длиннее %1 байт</source>
        <translation>a line longer than %1 bytes</translation>
    </message>
    <message>
        <source>после %1 стоит CR без LF, а строки файла должны кончаться CR LF или LF</source>
        <translation>%1 is followed by CR without LF, but the file&apos;s lines must end in CR LF or LF</translation>
    </message>
    <message>
        <source>%1 не является числом</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 слишком велико</source>
        <translation>%1 is too large</translation>
    </message>
    <message>
        <source>файл обрывается в заголовке</source>
        <translation>the file ends within the header</translation>
    </message>
    <message>
        <source>%1 выводит рисунок за допустимый размах 1E150 м</source>
        <translation>%1 takes the drawing beyond the permitted span of 1E150 m</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>это канал (FIFO), а не обычный файл</source>
        <translation>this is a pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <source>это устройство, а не обычный файл</source>
        <translation>this is a device, not a regular file</translation>
    </message>
    <message>
        <source>это сокет, а не обычный файл</source>
        <translation>this is a socket, not a regular file</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>Файл %1, строка %2: %3.</source>
        <translation>File %1, line %2: %3.</translation>
    </message>
    <message>
        <source>Файл %1: %2.</source>
        <translation>File %1: %2.</translation>
    </message>
    <message>
        <source>кривошип</source>
        <translation>the crank</translation>
    </message>
    <message>
        <source>направляющая</source>
        <translation>the guide</translation>
    </message>
    <message>
        <source>%1 не является целым числом шагов</source>
        <translation>%1 is not a whole number of steps</translation>
    </message>
    <message>
        <source>отрицательное число шагов %1</source>
        <translation>a negative number of steps %1</translation>
    </message>
    <message>
        <source>в файле нет ни одного шага</source>
        <translation>the file holds no step</translation>
    </message>
    <message>
        <source>шагов %1, а программа считает не больше %2</source>
        <translation>%1 steps, but the program calculates at most %2</translation>
    </message>
    <message>
        <source>ожидалась строка %1, а записано %2</source>
        <translation>expected the line %1, found %2</translation>
    </message>
    <message>
        <source>файл обрывается на шаге %1, а в заголовке %2 шагов</source>
        <translation>the file ends at step %1, but the header gives %2 steps</translation>
    </message>
    <message>
        <source>%1 после %2 блоков шагов, а в заголовке %3 шагов</source>
        <translation>%1 after %2 step blocks, but the header gives %3 steps</translation>
    </message>
    <message>
        <source>положение на шаге %1</source>
        <translation>the position at step %1</translation>
    </message>
    <message>
        <source>блок шага %1 не заканчивается строкой %2 (записано %3)</source>
        <translation>the block of step %1 does not end with the line %2 (found %3)</translation>
    </message>
    <message>
        <source>нет строки %1 в конце файла</source>
        <translation>no line %1 at the end of the file</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Mechanism</name>
    <message>
        <source>При φ = %1° шатун перпендикулярен направляющей: механизм не проходит это положение. Увеличьте L2 или уменьшите B.</source>
        <translation>At φ = %1° the connecting rod is square to the guide: the mechanism cannot pass this position. Increase L2 or reduce B.</translation>
    </message>
    <message>
        <source>При φ = %1° шатун не достаёт до направляющей: механизм не собирается в этом положении. Увеличьте L2 или уменьшите L1.</source>
        <translation>At φ = %1° the connecting rod does not reach the guide: the mechanism cannot be assembled in this position. Increase L2 or reduce L1.</translation>
    </message>
    <message>
        <source>Режим 720: при φ = %1° шатун переходит на другую ветвь, и ползун скачком смещается на %2 м. Скорости и ускорения там не имеют смысла, а E перестаёт быть работой. Выберите режим 360.</source>
        <translation>Mode 720: at φ = %1° the connecting rod passes to the other branch and the slider jumps by %2 m. Velocities and accelerations mean nothing there, and E is no longer work. Choose mode 360.</translation>
    </message>
</context>
<context>
    <name>Note</name>
    <message>
        <source>Это +m·a (масса звена на ускорение его центра масс) и +I·α, а не даламберовы сила и момент инерции −m·a и −I·α.</source>
        <translation>These are +m·a (the link&apos;s mass times the acceleration of its centre of mass) and +I·α, not the d&apos;Alembert inertia force and moment −m·a and −I·α.</translation>
    </message>
    <message>
        <source>Момент привода на кривошипе, положительный в сторону роста угла; при fit &gt; 0 он отрицателен, когда машина отдаёт работу (двигатель).</source>
        <translation>The driving moment on the crank, positive in the direction of increasing angle; with fit &gt; 0 it is negative when the machine delivers work (an engine).</translation>
    </message>
    <message>
        <source>Работа привода на кривошипе с шага 1 (на шаге 1 равна 0); отрицательна, когда машина отдаёт работу.</source>
        <translation>The work of the drive on the crank from step 1 (0 at step 1); negative when the machine delivers work.</translation>
    </message>
    <message>
        <source>Сила, с которой шатун действует на ползун в шарнире B.</source>
        <translation>The force of the connecting rod on the slider at joint B.</translation>
    </message>
    <message>
        <source>Сила, с которой кривошип действует на шатун в шарнире A.</source>
        <translation>The force of the crank on the connecting rod at joint A.</translation>
    </message>
    <message>
        <source>Сила, с которой стойка действует на кривошип в опоре O.</source>
        <translation>The force of the frame on the crank at bearing O.</translation>
    </message>
    <message>
        <source>При истинном движении — скорость, ускорение и время установившегося движения машины под действием привода с маховиком; при заданном законе — заданные fit, fitt и их время.</source>
        <translation>Under the true motion, the speed, acceleration and time of the machine&apos;s steady motion under the drive with its flywheel; under the prescribed law, the prescribed fit, fitt and their time.</translation>
    </message>
    <message>
        <source>Прежняя строка: без реакции направляющей на ползун. Полные силы — fbxk, faxk, foxk по x и модули fbk, fak, fok.</source>
        <translation>The legacy row: without the guide&apos;s reaction on the slider. The complete forces are fbxk, faxk, foxk along x and the magnitudes fbk, fak, fok.</translation>
    </message>
    <message>
        <source>Сила −Σm·a и момент −Σ(r×m·a + I·α) относительно O по всем звеньям: то, что стойка воспринимает в опоре O, на направляющей и от привода сверх весов и рабочей нагрузки.</source>
        <translation>The force −Σm·a and the moment −Σ(r×m·a + I·α) about O over all links: what the frame takes at bearing O, on the guide and from the drive beyond the weights and the working load.</translation>
    </message>
    <message>
        <source>Углы отсчитываются от оси +x, перпендикулярной линии хода ползуна, в сторону оси +y; мёртвые точки центрального механизма (b = 0) лежат при 90° и 270°.</source>
        <translation>Angles are measured from the +x axis, square to the slider&apos;s line of stroke, towards the +y axis; the dead centres of an in-line mechanism (b = 0) lie at 90° and 270°.</translation>
    </message>
    <message>
        <source>Угловое ускорение кривошипа растёт на эту величину на каждом шаге расчёта, а не за секунду: при ненулевом значении результаты зависят от шага.</source>
        <translation>The crank&apos;s angular acceleration grows by this amount at every step of the calculation, not per second: when it is not zero, the results depend on the step.</translation>
    </message>
    <message>
        <source>Вес m·g, g = 9,8 м/с², направлен вдоль направляющей ползуна, к −y.</source>
        <translation>The weight m·g, g = 9.8 m/s², acts along the slider&apos;s guide, towards −y.</translation>
    </message>
    <message>
        <source>Момент инерции относительно центра масс звена (C1 кривошипа, C2 шатуна), а не относительно шарнира.</source>
        <translation>The moment of inertia about the link&apos;s centre of mass (C1 of the crank, C2 of the connecting rod), not about the joint.</translation>
    </message>
    <message>
        <source>Не входит ни в один результат: значение лишь записывается в отчёт и проект.</source>
        <translation>Enters no result: the value is only written to the report and the project.</translation>
    </message>
    <message>
        <source>Противовес на кривошипе: точечная масса Mпв на расстоянии Rпв от O, повёрнутая на угол Fiпв от пальца кривошипа A в сторону роста угла (180° — напротив пальца). Входит в массу, центр масс и момент инерции кривошипа; при Mпв = 0 противовеса нет.</source>
        <translation>The counterweight on the crank: a point mass Mcw at a distance Rcw from O, turned by the angle Ficw from the crank pin A in the direction of increasing angle (180°: opposite the pin). It enters the crank&apos;s mass, centre of mass and moment of inertia; with Mcw = 0 there is no counterweight.</translation>
    </message>
    <message>
        <source>prescribed — заданный закон (Fit0, Fitt0, +Fitt); true — истинное движение машины под действием привода с маховиком.</source>
        <translation>prescribed: the prescribed law (Fit0, Fitt0, +Fitt); true: the true motion of the machine under the drive with its flywheel.</translation>
    </message>
    <message>
        <source>Момент инерции маховика для истинного движения; отрицательное значение — J маховика из сводки (метод постоянного момента).</source>
        <translation>The flywheel&apos;s moment of inertia for the true motion; a negative value takes J of the flywheel from the summary (constant-moment method).</translation>
    </message>
    <message>
        <source>Привод истинного движения: constant — постоянный момент Mд, motor — характеристика двигателя M = Mн·(ω0 − ω)/(ω0 − ωн), table — таблица M(ω).</source>
        <translation>The drive of the true motion: constant, a constant moment Md; motor, the motor characteristic M = Mn·(ω0 − ω)/(ω0 − ωn); table, a table M(ω).</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа в начале разгона истинного движения; 0 — разгон из покоя.</source>
        <translation>The crank&apos;s angular velocity at the start of the true motion&apos;s run-up; 0: a run-up from rest.</translation>
    </message>
</context>
<context>
    <name>Optimise</name>
    <message>
        <source>нагрузка по ходу ползуна требует полного оборота кривошипа</source>
        <translation>a load by the slider&apos;s stroke needs a full turn of the crank</translation>
    </message>
    <message>
        <source>неизвестный показатель &apos;%1&apos; (известны: %2)</source>
        <translation>unknown figure &apos;%1&apos; (known: %2)</translation>
    </message>
    <message>
        <source>не задано ни одного изменяемого параметра</source>
        <translation>no parameter to vary is given</translation>
    </message>
    <message>
        <source>&apos;%1&apos; нельзя изменять: нужен ключ вещественного параметра</source>
        <translation>&apos;%1&apos; cannot be varied: the key of a real parameter is needed</translation>
    </message>
    <message>
        <source>&apos;%1&apos; задан дважды</source>
        <translation>&apos;%1&apos; is given twice</translation>
    </message>
    <message>
        <source>%1: границу %2 параметр не принимает</source>
        <translation>%1: the parameter does not take the bound %2</translation>
    </message>
    <message>
        <source>%1: нижняя граница должна быть меньше верхней</source>
        <translation>%1: the lower bound must be less than the upper</translation>
    </message>
    <message>
        <source>неизвестный показатель &apos;%1&apos; в ограничении (известны: %2)</source>
        <translation>unknown figure &apos;%1&apos; in a constraint (known: %2)</translation>
    </message>
    <message>
        <source>%1: граница ограничения не конечна</source>
        <translation>%1: the constraint&apos;s bound is not finite</translation>
    </message>
    <message>
        <source>%1: допуск равенства должен быть больше нуля</source>
        <translation>%1: the equality tolerance must be greater than zero</translation>
    </message>
    <message>
        <source>на каждый изменяемый параметр нужно не меньше 10 расчётов</source>
        <translation>every parameter varied needs at least 10 calculations</translation>
    </message>
    <message>
        <source>Ограничения не выполняются ни в одном из %1 рассмотренных вариантов: ближе всех вариант %2, нарушение %3 (в долях границы ограничения). Ослабьте ограничения или расширьте пределы параметров</source>
        <translation>The constraints hold in none of the %1 variants tried: the closest is %2, violation %3 (as a fraction of the constraint&apos;s bound). Relax the constraints or widen the parameters&apos; limits</translation>
    </message>
    <message>
        <source>Ограничения не выполняются ни в одном из %1 рассмотренных вариантов: ни один вариант не рассчитан. Проверьте пределы параметров</source>
        <translation>The constraints hold in none of the %1 variants tried: no variant could be calculated. Check the parameters&apos; limits</translation>
    </message>
</context>
<context>
    <name>ParamSection</name>
    <message>
        <source>Длины</source>
        <translation>Lengths</translation>
    </message>
    <message>
        <source>Движение кривошипа</source>
        <translation>Crank motion</translation>
    </message>
    <message>
        <source>Координаты точек</source>
        <translation>Point coordinates</translation>
    </message>
    <message>
        <source>Массы и моменты инерции</source>
        <translation>Masses and moments of inertia</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>Резерв отчёта</source>
        <translation>Report reserve</translation>
    </message>
    <message>
        <source>δ маховика</source>
        <translation>δ of the flywheel</translation>
    </message>
    <message>
        <source>Шаг расчёта</source>
        <translation>Calculation step</translation>
    </message>
    <message>
        <source>Циклов</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Период нагрузки</source>
        <translation>Load period</translation>
    </message>
    <message>
        <source>Закон движения</source>
        <translation>Motion law</translation>
    </message>
    <message>
        <source>Привод</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>J маховика</source>
        <translation>J of the flywheel</translation>
    </message>
    <message>
        <source>Mн двигателя</source>
        <translation>Motor Mn</translation>
    </message>
    <message>
        <source>ωн двигателя</source>
        <translation>Motor ωn</translation>
    </message>
    <message>
        <source>ω0 двигателя</source>
        <translation>Motor ω0</translation>
    </message>
    <message>
        <source>delta: коэффициент неравномерности δ должен лежать между 0 и 1</source>
        <translation>delta: the coefficient of fluctuation δ must lie between 0 and 1</translation>
    </message>
    <message>
        <source>%1: радиус не может быть отрицательным</source>
        <translation>%1: the radius cannot be negative</translation>
    </message>
    <message>
        <source>%1: масса не может быть отрицательной</source>
        <translation>%1: the mass cannot be negative</translation>
    </message>
    <message>
        <source>%1: момент инерции не может быть отрицательным</source>
        <translation>%1: the moment of inertia cannot be negative</translation>
    </message>
    <message>
        <source>L1=</source>
        <translation>L1=</translation>
    </message>
    <message>
        <source>L2=</source>
        <translation>L2=</translation>
    </message>
    <message>
        <source>B=</source>
        <translation>B=</translation>
    </message>
    <message>
        <source>Fi0=</source>
        <translation>Fi0=</translation>
    </message>
    <message>
        <source>Fit0=</source>
        <translation>Fit0=</translation>
    </message>
    <message>
        <source>Fitt0=</source>
        <translation>Fitt0=</translation>
    </message>
    <message>
        <source>+Fitt=</source>
        <translation>+Fitt=</translation>
    </message>
    <message>
        <source>A(C1)=</source>
        <translation>A(C1)=</translation>
    </message>
    <message>
        <source>B(C1)=</source>
        <translation>B(C1)=</translation>
    </message>
    <message>
        <source>A(C2)=</source>
        <translation>A(C2)=</translation>
    </message>
    <message>
        <source>B(C2)=</source>
        <translation>B(C2)=</translation>
    </message>
    <message>
        <source>A(C3)=</source>
        <translation>A(C3)=</translation>
    </message>
    <message>
        <source>B(C3)=</source>
        <translation>B(C3)=</translation>
    </message>
    <message>
        <source>A(A)=</source>
        <translation>A(A)=</translation>
    </message>
    <message>
        <source>B(A)=</source>
        <translation>B(A)=</translation>
    </message>
    <message>
        <source>A(B)=</source>
        <translation>A(B)=</translation>
    </message>
    <message>
        <source>B(B)=</source>
        <translation>B(B)=</translation>
    </message>
    <message>
        <source>M1=</source>
        <translation>M1=</translation>
    </message>
    <message>
        <source>M2=</source>
        <translation>M2=</translation>
    </message>
    <message>
        <source>M3=</source>
        <translation>M3=</translation>
    </message>
    <message>
        <source>I1=</source>
        <translation>I1=</translation>
    </message>
    <message>
        <source>I2=</source>
        <translation>I2=</translation>
    </message>
    <message>
        <source>I3=</source>
        <translation>I3=</translation>
    </message>
    <message>
        <source>Mпв=</source>
        <translation>Mcw=</translation>
    </message>
    <message>
        <source>Rпв=</source>
        <translation>Rcw=</translation>
    </message>
    <message>
        <source>Fiпв=</source>
        <translation>Ficw=</translation>
    </message>
    <message>
        <source>ω пуска</source>
        <translation>Start-up ω</translation>
    </message>
    <message>
        <source>w_start: ω пуска не может быть отрицательной</source>
        <translation>w_start: the start-up ω cannot be negative</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>%1
Файл &quot;%2&quot;</source>
        <translation>%1
File &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Сохранять можно только в обычный файл или под новым именем</source>
        <translation>Save only to a regular file or under a new name</translation>
    </message>
</context>
<context>
    <name>PointCheck</name>
    <message>
        <source>Координаты точек не согласуются с длинами звеньев:</source>
        <translation>The point coordinates do not agree with the link lengths:</translation>
    </message>
    <message>
        <source>— |OA| длиннее L1 на %1 м</source>
        <translation>— |OA| is longer than L1 by %1 m</translation>
    </message>
    <message>
        <source>— |OA| короче L1 на %1 м</source>
        <translation>— |OA| is shorter than L1 by %1 m</translation>
    </message>
    <message>
        <source>— |AB| длиннее L2 на %1 м</source>
        <translation>— |AB| is longer than L2 by %1 m</translation>
    </message>
    <message>
        <source>— |AB| короче L2 на %1 м</source>
        <translation>— |AB| is shorter than L2 by %1 m</translation>
    </message>
    <message>
        <source>— точка B лежит в %1 м от направляющей x = B</source>
        <translation>— point B lies %1 m from the guide x = B</translation>
    </message>
    <message>
        <source>— точка A повёрнута от угла Fi0 на %1°</source>
        <translation>— point A is turned from the angle Fi0 by %1°</translation>
    </message>
    <message>
        <source>— точка B лежит на другой ветви шатуна, чем задаёт режим при Fi0</source>
        <translation>— point B lies on the other branch of the connecting rod than the mode gives at Fi0</translation>
    </message>
    <message>
        <source>Результаты будут относиться к другому механизму. Выполните «Автозаполнение» (F4), чтобы расставить точки по длинам.</source>
        <translation>The results would belong to another mechanism. Run “Autofill” (F4) to place the points from the lengths.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Неизвестные ключи проекта пропущены:</source>
        <translation>Unknown project keys skipped:</translation>
    </message>
    <message>
        <source> …и ещё %1</source>
        <translation> …and %1 more</translation>
    </message>
</context>
<context>
    <name>Quantity</name>
    <message>
        <source>угол кривошипа</source>
        <translation>crank angle</translation>
    </message>
    <message>
        <source>поворот кривошипа от шага 1</source>
        <translation>crank rotation from step 1</translation>
    </message>
    <message>
        <source>угловое ускорение кривошипа</source>
        <translation>angular acceleration of the crank</translation>
    </message>
    <message>
        <source>длительность шага</source>
        <translation>step duration</translation>
    </message>
    <message>
        <source>угловая скорость кривошипа</source>
        <translation>angular velocity of the crank</translation>
    </message>
    <message>
        <source>угол кривошипа по длительностям шагов</source>
        <translation>crank angle from the step durations</translation>
    </message>
    <message>
        <source>синус поворота кривошипа dfi</source>
        <translation>sine of the crank rotation dfi</translation>
    </message>
    <message>
        <source>косинус поворота кривошипа dfi</source>
        <translation>cosine of the crank rotation dfi</translation>
    </message>
    <message>
        <source>угол шатуна</source>
        <translation>connecting rod angle</translation>
    </message>
    <message>
        <source>поворот шатуна от шага 1</source>
        <translation>connecting rod rotation from step 1</translation>
    </message>
    <message>
        <source>синус поворота шатуна dpsi</source>
        <translation>sine of the connecting rod rotation dpsi</translation>
    </message>
    <message>
        <source>косинус поворота шатуна dpsi</source>
        <translation>cosine of the connecting rod rotation dpsi</translation>
    </message>
    <message>
        <source>координата x точки A (палец кривошипа)</source>
        <translation>x coordinate of point A (crank pin)</translation>
    </message>
    <message>
        <source>координата y точки A</source>
        <translation>y coordinate of point A</translation>
    </message>
    <message>
        <source>скорость точки A по x</source>
        <translation>velocity of point A along x</translation>
    </message>
    <message>
        <source>скорость точки A по y</source>
        <translation>velocity of point A along y</translation>
    </message>
    <message>
        <source>ускорение точки A по x</source>
        <translation>acceleration of point A along x</translation>
    </message>
    <message>
        <source>ускорение точки A по y</source>
        <translation>acceleration of point A along y</translation>
    </message>
    <message>
        <source>угловая скорость шатуна</source>
        <translation>angular velocity of the connecting rod</translation>
    </message>
    <message>
        <source>угловое ускорение шатуна</source>
        <translation>angular acceleration of the connecting rod</translation>
    </message>
    <message>
        <source>координата x точки B (шарнир шатун–ползун)</source>
        <translation>x coordinate of point B (rod–slider joint)</translation>
    </message>
    <message>
        <source>координата y точки B</source>
        <translation>y coordinate of point B</translation>
    </message>
    <message>
        <source>скорость точки B по x</source>
        <translation>velocity of point B along x</translation>
    </message>
    <message>
        <source>скорость точки B по y</source>
        <translation>velocity of point B along y</translation>
    </message>
    <message>
        <source>ускорение точки B по x</source>
        <translation>acceleration of point B along x</translation>
    </message>
    <message>
        <source>ускорение точки B по y</source>
        <translation>acceleration of point B along y</translation>
    </message>
    <message>
        <source>координата x ползуна (равна b)</source>
        <translation>x coordinate of the slider (equals b)</translation>
    </message>
    <message>
        <source>координата y ползуна (равна yb)</source>
        <translation>y coordinate of the slider (equals yb)</translation>
    </message>
    <message>
        <source>координата x центра масс C1 кривошипа</source>
        <translation>x coordinate of the crank&apos;s centre of mass C1</translation>
    </message>
    <message>
        <source>координата y центра масс C1</source>
        <translation>y coordinate of the centre of mass C1</translation>
    </message>
    <message>
        <source>скорость C1 по x</source>
        <translation>velocity of C1 along x</translation>
    </message>
    <message>
        <source>скорость C1 по y</source>
        <translation>velocity of C1 along y</translation>
    </message>
    <message>
        <source>ускорение C1 по x</source>
        <translation>acceleration of C1 along x</translation>
    </message>
    <message>
        <source>ускорение C1 по y</source>
        <translation>acceleration of C1 along y</translation>
    </message>
    <message>
        <source>кинетическая энергия кривошипа (звено 1)</source>
        <translation>kinetic energy of the crank (link 1)</translation>
    </message>
    <message>
        <source>сила инерции звена 1 по x</source>
        <translation>inertia force of link 1 along x</translation>
    </message>
    <message>
        <source>сила инерции звена 1 по y</source>
        <translation>inertia force of link 1 along y</translation>
    </message>
    <message>
        <source>момент сил инерции звена 1</source>
        <translation>inertia moment of link 1</translation>
    </message>
    <message>
        <source>мощность сил инерции звена 1</source>
        <translation>power of the inertia forces of link 1</translation>
    </message>
    <message>
        <source>мощность силы тяжести звена 1</source>
        <translation>power of the weight of link 1</translation>
    </message>
    <message>
        <source>координата x центра масс C2 шатуна</source>
        <translation>x coordinate of the connecting rod&apos;s centre of mass C2</translation>
    </message>
    <message>
        <source>координата y центра масс C2</source>
        <translation>y coordinate of the centre of mass C2</translation>
    </message>
    <message>
        <source>скорость C2 по x</source>
        <translation>velocity of C2 along x</translation>
    </message>
    <message>
        <source>скорость C2 по y</source>
        <translation>velocity of C2 along y</translation>
    </message>
    <message>
        <source>ускорение C2 по x</source>
        <translation>acceleration of C2 along x</translation>
    </message>
    <message>
        <source>ускорение C2 по y</source>
        <translation>acceleration of C2 along y</translation>
    </message>
    <message>
        <source>кинетическая энергия шатуна (звено 2)</source>
        <translation>kinetic energy of the connecting rod (link 2)</translation>
    </message>
    <message>
        <source>сила инерции звена 2 по x</source>
        <translation>inertia force of link 2 along x</translation>
    </message>
    <message>
        <source>сила инерции звена 2 по y</source>
        <translation>inertia force of link 2 along y</translation>
    </message>
    <message>
        <source>момент сил инерции звена 2</source>
        <translation>inertia moment of link 2</translation>
    </message>
    <message>
        <source>мощность сил инерции звена 2</source>
        <translation>power of the inertia forces of link 2</translation>
    </message>
    <message>
        <source>мощность силы тяжести звена 2</source>
        <translation>power of the weight of link 2</translation>
    </message>
    <message>
        <source>координата x центра масс C3 ползуна (равна xb)</source>
        <translation>x coordinate of the slider&apos;s centre of mass C3 (equals xb)</translation>
    </message>
    <message>
        <source>координата y центра масс C3 (равна yb)</source>
        <translation>y coordinate of the centre of mass C3 (equals yb)</translation>
    </message>
    <message>
        <source>скорость C3 по x (равна xbt)</source>
        <translation>velocity of C3 along x (equals xbt)</translation>
    </message>
    <message>
        <source>скорость C3 по y (равна ybt)</source>
        <translation>velocity of C3 along y (equals ybt)</translation>
    </message>
    <message>
        <source>ускорение C3 по x (равно xbtt)</source>
        <translation>acceleration of C3 along x (equals xbtt)</translation>
    </message>
    <message>
        <source>ускорение C3 по y (равно ybtt)</source>
        <translation>acceleration of C3 along y (equals ybtt)</translation>
    </message>
    <message>
        <source>кинетическая энергия ползуна (звено 3)</source>
        <translation>kinetic energy of the slider (link 3)</translation>
    </message>
    <message>
        <source>сила инерции звена 3 по x</source>
        <translation>inertia force of link 3 along x</translation>
    </message>
    <message>
        <source>сила инерции звена 3 по y</source>
        <translation>inertia force of link 3 along y</translation>
    </message>
    <message>
        <source>момент сил инерции звена 3 (всегда 0)</source>
        <translation>inertia moment of link 3 (always 0)</translation>
    </message>
    <message>
        <source>мощность сил инерции звена 3</source>
        <translation>power of the inertia forces of link 3</translation>
    </message>
    <message>
        <source>мощность силы тяжести звена 3</source>
        <translation>power of the weight of link 3</translation>
    </message>
    <message>
        <source>суммарная мощность</source>
        <translation>total power</translation>
    </message>
    <message>
        <source>приведённый момент Mo на кривошипе</source>
        <translation>reduced moment Mo on the crank</translation>
    </message>
    <message>
        <source>накопленная работа E</source>
        <translation>accumulated work E</translation>
    </message>
    <message>
        <source>сила в шарнире B по x</source>
        <translation>force at joint B along x</translation>
    </message>
    <message>
        <source>сила в шарнире B по y</source>
        <translation>force at joint B along y</translation>
    </message>
    <message>
        <source>сила в шарнире A по x</source>
        <translation>force at joint A along x</translation>
    </message>
    <message>
        <source>сила в шарнире A по y</source>
        <translation>force at joint A along y</translation>
    </message>
    <message>
        <source>момент относительно A сил на шатуне и силы в B</source>
        <translation>moment about A of the forces on the connecting rod and the force at B</translation>
    </message>
    <message>
        <source>сила в опоре O кривошипа по x</source>
        <translation>force at the crank bearing O along x</translation>
    </message>
    <message>
        <source>сила в опоре O кривошипа по y</source>
        <translation>force at the crank bearing O along y</translation>
    </message>
    <message>
        <source>рабочая нагрузка на ползун по y</source>
        <translation>working load on the slider along y</translation>
    </message>
    <message>
        <source>мощность рабочей нагрузки</source>
        <translation>power of the working load</translation>
    </message>
    <message>
        <source>сила в шарнире B по x с реакцией направляющей</source>
        <translation>force at joint B along x with the guide&apos;s reaction</translation>
    </message>
    <message>
        <source>реакция направляющей на ползун по x (боковое давление)</source>
        <translation>guide reaction on the slider along x (side thrust)</translation>
    </message>
    <message>
        <source>сила в шарнире A по x с реакцией направляющей</source>
        <translation>force at joint A along x with the guide&apos;s reaction</translation>
    </message>
    <message>
        <source>сила в опоре O по x с реакцией направляющей</source>
        <translation>force at bearing O along x with the guide&apos;s reaction</translation>
    </message>
    <message>
        <source>уравновешивающий момент на кривошипе по силам</source>
        <translation>balancing moment on the crank from the forces</translation>
    </message>
    <message>
        <source>полная сила в шарнире B</source>
        <translation>complete force at joint B</translation>
    </message>
    <message>
        <source>полная сила в шарнире A</source>
        <translation>complete force at joint A</translation>
    </message>
    <message>
        <source>полная сила в опоре O</source>
        <translation>complete force at bearing O</translation>
    </message>
    <message>
        <source>сотрясающая сила на стойку по x</source>
        <translation>shaking force on the frame along x</translation>
    </message>
    <message>
        <source>сотрясающая сила на стойку по y</source>
        <translation>shaking force on the frame along y</translation>
    </message>
    <message>
        <source>сотрясающая сила на стойку, модуль</source>
        <translation>shaking force on the frame, magnitude</translation>
    </message>
    <message>
        <source>сотрясающий момент на стойку относительно O</source>
        <translation>shaking moment on the frame about O</translation>
    </message>
    <message>
        <source>угловая скорость кривошипа в действующем законе движения</source>
        <translation>angular velocity of the crank in the motion law in force</translation>
    </message>
    <message>
        <source>угловое ускорение кривошипа в действующем законе движения</source>
        <translation>angular acceleration of the crank in the motion law in force</translation>
    </message>
    <message>
        <source>время от шага 1 в действующем законе движения</source>
        <translation>time from step 1 in the motion law in force</translation>
    </message>
</context>
<context>
    <name>RunSettings</name>
    <message>
        <source>Шаг %1 градусов принят</source>
        <translation>Step of %1 degrees accepted</translation>
    </message>
    <message>
        <source>Шаг «%1» не из списка: действует шаг %2°</source>
        <translation>Step “%1” is not in the list: the step stays %2°</translation>
    </message>
    <message>
        <source>Принято: циклов %1, шагов %2, поворот кривошипа %3°</source>
        <translation>Accepted: %1 cycles, %2 steps, crank rotation %3°</translation>
    </message>
    <message>
        <source>Данную точность строго рекомендуется использовать только для небольших значений L1 и L2.</source>
        <translation>This precision is strongly recommended only for small values of L1 and L2.</translation>
    </message>
    <message>
        <source>Операция прервана. В поле должно быть введено натуральное число!</source>
        <translation>Operation aborted. The field must hold a natural number!</translation>
    </message>
    <message>
        <source>Ошибка: Максимально допустимое кол-во шаг-циклов заданное разработчиком: 90000 шагов (3749 циклов)<byte value="xd"/>
Решение 1&gt; Введите меньше циклов и рассмотрите несколько участков отдельно<byte value="xd"/>
Решение 2&gt; Введите меньше циклов и увеличьте шаг</source>
        <translation>Error: the largest number of step cycles the program allows: 90000 steps (3749 cycles)<byte value="xd"/>
Solution 1&gt; Enter fewer cycles and study several stretches separately<byte value="xd"/>
Solution 2&gt; Enter fewer cycles and increase the step</translation>
    </message>
    <message>
        <source>Изменение принято.</source>
        <translation>Change accepted.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>проверка: моменты не сходятся</source>
        <translation>check: the moments do not agree</translation>
    </message>
    <message>
        <source>проверка: моменты совпадают</source>
        <translation>check: the moments are equal</translation>
    </message>
    <message>
        <source>проверка: моменты сходятся до %1</source>
        <translation>check: the moments agree to %1</translation>
    </message>
    <message>
        <source>Пиковые значения и маховик — по шагам расчёта (шаг %1): расчёт периода с шагом %2 прерван при φ = %3</source>
        <translation>Peak values and flywheel from the calculation steps (step %1): the period run at step %2 stopped at φ = %3</translation>
    </message>
    <message>
        <source>Пиковые значения и маховик — по шагам расчёта (шаг %1)</source>
        <translation>Peak values and flywheel from the calculation steps (step %1)</translation>
    </message>
    <message>
        <source>Пиковые значения и маховик — по %1 от начального угла с шагом %2 (шаг расчёта %3 не укладывается в период целое число раз)</source>
        <translation>Peak values and flywheel over %1 from the initial angle at a step of %2 (the calculation step %3 does not fit the period a whole number of times)</translation>
    </message>
    <message>
        <source>Пиковые значения и маховик — по %1 от начального угла с шагом %2</source>
        <translation>Peak values and flywheel over %1 from the initial angle at a step of %2</translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Flywheel</translation>
    </message>
    <message>
        <source>Период, °</source>
        <translation>Period, °</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ</source>
        <translation>Coefficient of fluctuation δ</translation>
    </message>
    <message>
        <source>Средняя угловая скорость ω (по времени), рад/с</source>
        <translation>Mean angular velocity ω (by time), rad/s</translation>
    </message>
    <message>
        <source>Постоянный движущий момент M_d, Н·м</source>
        <translation>Constant driving moment M_d, N·m</translation>
    </message>
    <message>
        <source>Средняя мощность P, Вт</source>
        <translation>Mean power P, W</translation>
    </message>
    <message>
        <source>Наибольший перепад энергии ΔT_max, Дж</source>
        <translation>Largest energy swing ΔT_max, J</translation>
    </message>
    <message>
        <source>Требуемый момент инерции J, кг·м²</source>
        <translation>Required moment of inertia J, kg·m²</translation>
    </message>
    <message>
        <source>Момент инерции кривошипа J_кр, кг·м²</source>
        <translation>Moment of inertia of the crank J_cr, kg·m²</translation>
    </message>
    <message>
        <source>Момент инерции маховика J_м, кг·м²</source>
        <translation>Moment of inertia of the flywheel J_fw, kg·m²</translation>
    </message>
    <message>
        <source>M_d &lt; 0: механизм отдаёт мощность (двигатель)</source>
        <translation>M_d &lt; 0: the mechanism delivers power (an engine)</translation>
    </message>
    <message>
        <source>Маховик не нужен: хватает инерции кривошипа</source>
        <translation>No flywheel needed: the crank&apos;s inertia suffices</translation>
    </message>
    <message>
        <source>Внимание: угловая скорость кривошипа не постоянна (Fitt0 или +Fitt не 0), метод даёт приближённый результат</source>
        <translation>Note: the crank&apos;s angular velocity is not constant (Fitt0 or +Fitt is not 0); the method gives an approximate result</translation>
    </message>
    <message>
        <source>Уравновешенность (силы на стойку)</source>
        <translation>Balance (forces on the frame)</translation>
    </message>
    <message>
        <source>Наибольшая сотрясающая сила |F_sh|, Н</source>
        <translation>Largest shaking force |F_sh|, N</translation>
    </message>
    <message>
        <source>Наибольший сотрясающий момент |M_sh| относительно O, Н·м</source>
        <translation>Largest shaking moment |M_sh| about O, N·m</translation>
    </message>
    <message>
        <source>Противовес Mпв·Rпв, кг·м</source>
        <translation>Counterweight Mcw·Rcw, kg·m</translation>
    </message>
    <message>
        <source>Угол противовеса от пальца кривошипа, °</source>
        <translation>Counterweight angle from the crank pin, °</translation>
    </message>
    <message>
        <source>Доля уравновешенных возвратно-движущихся масс c</source>
        <translation>Balanced fraction of the reciprocating masses c</translation>
    </message>
    <message>
        <source>Наибольшая сотрясающая сила без противовеса, Н</source>
        <translation>Largest shaking force without the counterweight, N</translation>
    </message>
    <message>
        <source>Центральный механизм: неуравновешенные силы возвратно-движущихся масс</source>
        <translation>In-line mechanism: unbalanced forces of the reciprocating masses</translation>
    </message>
    <message>
        <source>Первичная сила m·ω²·r·cos θ, наибольшая, Н</source>
        <translation>Primary force m·ω²·r·cos θ, largest, N</translation>
    </message>
    <message>
        <source>Вторичная сила m·ω²·r·cos 2θ / n, наибольшая, Н</source>
        <translation>Secondary force m·ω²·r·cos 2θ / n, largest, N</translation>
    </message>
    <message>
        <source>Точная сила инерции m·|ÿ_B|, наибольшая, Н</source>
        <translation>Exact inertia force m·|ÿ_B|, largest, N</translation>
    </message>
    <message>
        <source>Истинное движение</source>
        <translation>True motion</translation>
    </message>
    <message>
        <source>δ достигнутое = %1, δ заданное = %2</source>
        <translation>δ reached = %1, δ asked = %2</translation>
    </message>
    <message>
        <source>Наименьшая угловая скорость ω_min, рад/с</source>
        <translation>Least angular velocity ω_min, rad/s</translation>
    </message>
    <message>
        <source>Наибольшая угловая скорость ω_max, рад/с</source>
        <translation>Largest angular velocity ω_max, rad/s</translation>
    </message>
    <message>
        <source>Средняя угловая скорость ω_ср (по времени), рад/с</source>
        <translation>Mean angular velocity ω_mean (by time), rad/s</translation>
    </message>
    <message>
        <source>Время периода, с</source>
        <translation>Period time, s</translation>
    </message>
    <message>
        <source>Время разгона из покоя, с</source>
        <translation>Run-up time from rest, s</translation>
    </message>
    <message>
        <source>Оборотов за разгон</source>
        <translation>Turns during the run-up</translation>
    </message>
    <message>
        <source>Разгон: %1</source>
        <translation>Run-up: %1</translation>
    </message>
    <message>
        <source>Предупреждения</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Пиковые значения</source>
        <translation>Peak values</translation>
    </message>
    <message>
        <source>Ход ползуна, м</source>
        <translation>Slider stroke, m</translation>
    </message>
    <message>
        <source>Ход ползуна: кривошип не проворачивается полностью</source>
        <translation>Slider stroke: the crank does not make a full turn</translation>
    </message>
    <message>
        <source>Наибольшая скорость ползуна |ybt|, м/с</source>
        <translation>Largest slider velocity |ybt|, m/s</translation>
    </message>
    <message>
        <source>Наибольшее ускорение ползуна |ybtt|, м/с²</source>
        <translation>Largest slider acceleration |ybtt|, m/s²</translation>
    </message>
    <message>
        <source>Наибольший угол давления (шатун – направляющая), °</source>
        <translation>Largest pressure angle (connecting rod – guide), °</translation>
    </message>
    <message>
        <source>Наибольший приведённый момент |Mo|, Н·м</source>
        <translation>Largest reduced moment |Mo|, N·m</translation>
    </message>
    <message>
        <source>Реакции в шарнирах (с учётом направляющей)</source>
        <translation>Joint reactions (with the guide)</translation>
    </message>
    <message>
        <source>Наибольшая сила в шарнире B |F_B|, Н</source>
        <translation>Largest force at joint B |F_B|, N</translation>
    </message>
    <message>
        <source>Наибольшая сила в шарнире A |F_A|, Н</source>
        <translation>Largest force at joint A |F_A|, N</translation>
    </message>
    <message>
        <source>Наибольшая сила в опоре O |F_O|, Н</source>
        <translation>Largest force at bearing O |F_O|, N</translation>
    </message>
    <message>
        <source>Наибольшая боковая сила на направляющую |nb|, Н</source>
        <translation>Largest side thrust on the guide |nb|, N</translation>
    </message>
    <message>
        <source>Работа нагрузки за период, Дж</source>
        <translation>Work of the load over the period, J</translation>
    </message>
    <message>
        <source>Экстремумы</source>
        <translation>Extremes</translation>
    </message>
    <message>
        <source>По шагам расчёта (шаг %1°)</source>
        <translation>From the calculation steps (step %1°)</translation>
    </message>
    <message>
        <source>%1: мин.</source>
        <translation>%1: min.</translation>
    </message>
    <message>
        <source>%1: макс.</source>
        <translation>%1: max.</translation>
    </message>
    <message>
        <source>+Fitt не 0: угловое ускорение растёт на +Fitt на каждом шаге (рад/с² за шаг), поэтому результаты зависят от шага расчёта</source>
        <translation>+Fitt is not 0: the angular acceleration grows by +Fitt at every step (rad/s² per step), so the results depend on the calculation step</translation>
    </message>
    <message>
        <source>Время разгона от ω пуска, с</source>
        <translation>Run-up time from the start-up ω, s</translation>
    </message>
</context>
<context>
    <name>Sweep</name>
    <message>
        <source>%1: значение не конечно</source>
        <translation>%1: the value is not finite</translation>
    </message>
    <message>
        <source>%1: значение за пределами типа double</source>
        <translation>%1: the value is beyond the range of a double</translation>
    </message>
    <message>
        <source>не собирается при φ = %1°</source>
        <translation>cannot be assembled at φ = %1°</translation>
    </message>
    <message>
        <source>шатун перпендикулярен направляющей при φ = %1°</source>
        <translation>connecting rod square to the guide at φ = %1°</translation>
    </message>
    <message>
        <source>&apos;%1&apos; нельзя исследовать: нужен ключ вещественного параметра или %2</source>
        <translation>&apos;%1&apos; cannot be swept: the key of a real parameter or %2 is needed</translation>
    </message>
    <message>
        <source>число значений должно быть от 1 до %1</source>
        <translation>the number of values must be from 1 to %1</translation>
    </message>
    <message>
        <source>масштаб нагрузки без нагрузки: задайте нагрузку</source>
        <translation>a load scale without a load: set a load</translation>
    </message>
    <message>
        <source>нагрузка × %1: %2</source>
        <translation>load × %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; нельзя исследовать</source>
        <translation>&apos;%1&apos; cannot be swept</translation>
    </message>
    <message>
        <source>нагрузка по ходу ползуна требует полного оборота кривошипа</source>
        <translation>a load by the slider&apos;s stroke needs a full turn of the crank</translation>
    </message>
    <message>
        <source>%1 = %2 вне диапазона double</source>
        <translation>%1 = %2 is beyond the range of a double</translation>
    </message>
    <message>
        <source>Поле «%1»: «%2» — не число</source>
        <translation>Field “%1”: “%2” is not a number</translation>
    </message>
    <message>
        <source>не задан ни один параметр</source>
        <translation>no parameter is given</translation>
    </message>
    <message>
        <source>&apos;%1&apos; исследуется дважды</source>
        <translation>&apos;%1&apos; is swept twice</translation>
    </message>
    <message>
        <source>строк больше %1 (произведение чисел значений)</source>
        <translation>more than %1 rows (the product of the value counts)</translation>
    </message>
</context>
<context>
    <name>Synthesis</name>
    <message>
        <source>Ход H должен быть положительным числом</source>
        <translation>The stroke H must be a positive number</translation>
    </message>
    <message>
        <source>Коэффициент K не может быть меньше 1 (K = 1 — центральный механизм); ближайшее допустимое значение: 1</source>
        <translation>The coefficient K cannot be less than 1 (K = 1: an in-line mechanism); the nearest allowed value: 1</translation>
    </message>
    <message>
        <source>При K ≥ 3 угол между мёртвыми положениями кривошипа θ = 180°·(K − 1)/(K + 1) не меньше 90°: кривошипно-ползунный механизм такого K не даёт. K должно быть меньше 3</source>
        <translation>With K ≥ 3 the angle between the crank&apos;s dead positions θ = 180°·(K − 1)/(K + 1) is at least 90°: no slider-crank mechanism gives such a K. K must be less than 3</translation>
    </message>
    <message>
        <source>При K = %1 отношение λ = l1/l2 должно быть больше tg²(θ/2) = %2: иначе шатун не достаёт до направляющей и кривошип не проворачивается полностью</source>
        <translation>With K = %1 the ratio λ = l1/l2 must be greater than tan²(θ/2) = %2: otherwise the connecting rod does not reach the guide and the crank cannot make a full turn</translation>
    </message>
    <message>
        <source>Отношение λ = l1/l2 должно быть меньше 1: кривошип короче шатуна</source>
        <translation>The ratio λ = l1/l2 must be less than 1: the crank is shorter than the connecting rod</translation>
    </message>
    <message>
        <source>Допустимый угол давления должен лежать между 0° и 90°</source>
        <translation>The permitted pressure angle must lie between 0° and 90°</translation>
    </message>
    <message>
        <source>При K = %1 наибольший угол давления не бывает меньше %2° ни при каком ходе H: допустимый угол нужно увеличить хотя бы до %3° или уменьшить K</source>
        <translation>With K = %1 the largest pressure angle is never below %2° for any stroke H: raise the permitted angle to at least %3° or reduce K</translation>
    </message>
    <message>
        <source>L1 = %1 м, L2 = %2 м, B = %3 м; θ = %4°, λ = %5, наибольший угол давления %6°</source>
        <translation>L1 = %1 m, L2 = %2 m, B = %3 m; θ = %4°, λ = %5, largest pressure angle %6°</translation>
    </message>
</context>
<context>
    <name>TrueMotion</name>
    <message>
        <source>привод не может сдвинуть машину с места: его момент при пуске %1 Н·м не больше момента сопротивлений в начальном положении %2 Н·м</source>
        <translation>the drive cannot start the machine: its starting moment %1 N·m is no greater than the resisting moment in the initial position %2 N·m</translation>
    </message>
    <message>
        <source>машина останавливается при разгоне: привод не может пройти положение наибольшего сопротивления</source>
        <translation>the machine stops during the run-up: the drive cannot pass the position of greatest resistance</translation>
    </message>
    <message>
        <source>разгон не удалось проинтегрировать: шаг интегрирования стал исчезающе мал</source>
        <translation>the run-up could not be integrated: the integration step became vanishingly small</translation>
    </message>
    <message>
        <source>разгон при постоянном моменте привода не определён: средний момент привода равен среднему моменту сопротивлений</source>
        <translation>the run-up under a constant driving moment is undefined: the mean driving moment equals the mean resisting moment</translation>
    </message>
    <message>
        <source>разгон не устанавливается за %1 периодов</source>
        <translation>the run-up does not settle within %1 periods</translation>
    </message>
    <message>
        <source>приведённый момент инерции не определён: проверьте массы и положения точек</source>
        <translation>the reduced moment of inertia is undefined: check the masses and the point positions</translation>
    </message>
    <message>
        <source>момент сопротивлений не определён на периоде: шатун проходит положение, где его угловая скорость не определена</source>
        <translation>the resisting moment is undefined over the period: the connecting rod passes a position where its angular velocity is undefined</translation>
    </message>
    <message>
        <source>машина останавливается в пределах периода: при этом приводе и маховике она не может пройти положение наибольшего сопротивления, установившегося движения нет</source>
        <translation>the machine stops within the period: with this drive and flywheel it cannot pass the position of greatest resistance; there is no steady running</translation>
    </message>
    <message>
        <source>для постоянного момента привода нужна средняя скорость Fit0 &gt; 0</source>
        <translation>a constant driving moment needs a mean speed Fit0 &gt; 0</translation>
    </message>
    <message>
        <source>привод слишком слаб: его момент при пуске %1 Н·м не больше среднего момента сопротивлений %2 Н·м, установившегося движения нет</source>
        <translation>the drive is too weak: its starting moment %1 N·m is no greater than the mean resisting moment %2 N·m; there is no steady running</translation>
    </message>
    <message>
        <source>момент привода больше среднего момента сопротивлений при любой скорости: машина разгоняется без предела, установившегося движения нет</source>
        <translation>the driving moment exceeds the mean resisting moment at every speed: the machine accelerates without limit; there is no steady running</translation>
    </message>
    <message>
        <source>установившееся движение не найдено</source>
        <translation>no steady running found</translation>
    </message>
    <message>
        <source>установившееся движение не найдено: период не замыкается</source>
        <translation>no steady running found: the period does not close</translation>
    </message>
    <message>
        <source>истинное движение считается только в режиме 360</source>
        <translation>the true motion is calculated in mode 360 only</translation>
    </message>
    <message>
        <source>для истинного движения нужен шаг больше нуля</source>
        <translation>the true motion needs a step greater than zero</translation>
    </message>
    <message>
        <source>установившееся движение не удалось прочесть на шагах расчёта</source>
        <translation>the steady running could not be read at the calculation steps</translation>
    </message>
</context>
<context>
    <name>TrueMotionView</name>
    <message>
        <source>Установившегося движения нет</source>
        <translation>No steady motion</translation>
    </message>
    <message>
        <source>δ заданное</source>
        <translation>δ asked</translation>
    </message>
    <message>
        <source>ω_min, рад/с</source>
        <translation>ω_min, rad/s</translation>
    </message>
    <message>
        <source>ω_max, рад/с</source>
        <translation>ω_max, rad/s</translation>
    </message>
    <message>
        <source>ω_ср, рад/с</source>
        <translation>ω_mean, rad/s</translation>
    </message>
    <message>
        <source>δ достигнутое</source>
        <translation>δ reached</translation>
    </message>
    <message>
        <source>J маховика, кг·м²</source>
        <translation>Flywheel J, kg·m²</translation>
    </message>
    <message>
        <source>Время периода, с</source>
        <translation>Period time, s</translation>
    </message>
    <message>
        <source>Время разгона, с</source>
        <translation>Run-up time, s</translation>
    </message>
    <message>
        <source>Оборотов за разгон</source>
        <translation>Turns during the run-up</translation>
    </message>
    <message>
        <source>Разгона нет</source>
        <translation>No run-up</translation>
    </message>
</context>
<context>
    <name>Unit</name>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>Вт</source>
        <translation>W</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>kg·m²</translation>
    </message>
    <message>
        <source>Н</source>
        <translation>N</translation>
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
        <source>рад</source>
        <translation>rad</translation>
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
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>безразм.</source>
        <translation>dimensionless</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>рад/с² за шаг</source>
        <translation>rad/s² per step</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>kg</translation>
    </message>
</context>
<context>
    <name>Variants</name>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Текущий расчёт</source>
        <translation>Current run</translation>
    </message>
</context>
</TS>
