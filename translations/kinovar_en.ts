<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе</source>
        <translation>About Kinovar</translation>
    </message>
    <message>
        <source>Команда проекта Kinovar</source>
        <translation>The Kinovar project team</translation>
    </message>
    <message>
        <source>Кинематика · энергия · силы</source>
        <translation>Kinematics · energy · forces</translation>
    </message>
    <message>
        <source>© 2026, версия 1.3</source>
        <translation>© 2026, version 1.3</translation>
    </message>
    <message>
        <source>Лицензия: GNU GPL версии 3
или более поздней</source>
        <translation>Licence: GNU GPL version 3
or later</translation>
    </message>
</context>
<context>
    <name>AnimationPanel</name>
    <message>
        <source>Вид анимации</source>
        <translation>Animation view</translation>
    </message>
    <message>
        <source>Если у вас медленный компьютер, выбирайте «2-D во весь экран»: в этом режиме аниматор менее требователен к ресурсам, но работает в полноэкранном режиме</source>
        <translation>On a slow computer choose “2-D full screen”: the animator then needs fewer resources, but runs full screen</translation>
    </message>
    <message>
        <source>2-D во весь экран</source>
        <translation>2-D full screen</translation>
    </message>
    <message>
        <source>3-D в окне</source>
        <translation>3-D in a window</translation>
    </message>
    <message>
        <source>Не удалось запустить аниматор: %1</source>
        <translation>Could not start the animator: %1</translation>
    </message>
</context>
<context>
    <name>Animator</name>
    <message>
        <source>Аниматор Kinovar (3-D)</source>
        <translation>Kinovar Animator (3-D)</translation>
    </message>
    <message>
        <source>Аниматор Kinovar</source>
        <translation>Kinovar Animator</translation>
    </message>
</context>
<context>
    <name>AnimatorWindow</name>
    <message>
        <source>Шаг назад (←)</source>
        <translation>Step back (←)</translation>
    </message>
    <message>
        <source>Пуск / пауза (пробел)</source>
        <translation>Play / pause (Space)</translation>
    </message>
    <message>
        <source>Шаг вперёд (→)</source>
        <translation>Step forward (→)</translation>
    </message>
    <message>
        <source>Медленнее</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Медленнее (−)</source>
        <translation>Slower (−)</translation>
    </message>
    <message>
        <source>Быстрее</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Быстрее (+)</source>
        <translation>Faster (+)</translation>
    </message>
    <message>
        <source>Esc — выход</source>
        <translation>Esc — exit</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>%1 шаг/с</source>
        <translation>%1 steps/s</translation>
    </message>
</context>
<context>
    <name>BalanceCommands</name>
    <message>
        <source>Подобрать противовес…</source>
        <translation>Size Counterweight…</translation>
    </message>
    <message>
        <source>Годограф сотрясающей силы</source>
        <translation>Shaking Force Hodograph</translation>
    </message>
    <message>
        <source>противовес, c = %1</source>
        <translation>counterweight, c = %1</translation>
    </message>
    <message>
        <source>Доля c уравновешиваемых возвратно-движущихся масс (от 0 до 1; для двигателей обычно 0,5):</source>
        <translation>Fraction c of the reciprocating masses to balance (0 to 1; usually 0.5 for engines):</translation>
    </message>
    <message>
        <source>Доля c должна быть числом от 0 до 1</source>
        <translation>The fraction c must be a number from 0 to 1</translation>
    </message>
    <message>
        <source>Противовес не подобрать: палец кривошипа A совпадает с опорой O. Выполните «Автозаполнение».</source>
        <translation>No counterweight can be sized: the crank pin A coincides with the bearing O. Run “Autofill”.</translation>
    </message>
</context>
<context>
    <name>ChartImage</name>
    <message>
        <source>Изображение PNG|*.png|Все файлы|*.*</source>
        <translation>PNG image|*.png|All files|*.*</translation>
    </message>
    <message>
        <source>Не удалось сохранить изображение в файл %1</source>
        <translation>Could not save the image to the file %1</translation>
    </message>
    <message>
        <source>Исходный масштаб</source>
        <translation>Reset Zoom</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save Image…</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Угол кривошипа, °</source>
        <translation>Crank angle, °</translation>
    </message>
    <message>
        <source> — результаты относятся к прежним параметрам</source>
        <translation> — the results belong to earlier parameters</translation>
    </message>
</context>
<context>
    <name>CursorControl</name>
    <message>
        <source>Положение кривошипа: шаг расчёта</source>
        <translation>Crank position: the calculation step</translation>
    </message>
    <message>
        <source>Угол кривошипа, °: ближайший шаг</source>
        <translation>Crank angle, °: the nearest step</translation>
    </message>
    <message>
        <source>шаг 90000 из 90000</source>
        <translation>step 90000 of 90000</translation>
    </message>
    <message>
        <source>Вращать кривошип</source>
        <translation>Turn the crank</translation>
    </message>
    <message>
        <source> шаг/с</source>
        <translation> steps/s</translation>
    </message>
    <message>
        <source>Скорость вращения: шагов в секунду</source>
        <translation>Speed: steps per second</translation>
    </message>
    <message>
        <source>Величины…</source>
        <translation>Quantities…</translation>
    </message>
    <message>
        <source>шаг %1 из %2</source>
        <translation>step %1 of %2</translation>
    </message>
</context>
<context>
    <name>CursorDocks</name>
    <message>
        <source>Механизм</source>
        <translation>Mechanism</translation>
    </message>
    <message>
        <source>Положение кривошипа</source>
        <translation>Crank position</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Отчёт PDF…</source>
        <translation>PDF Report…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Графики в отчёте</source>
        <translation>Charts in the Report</translation>
    </message>
    <message>
        <source>Без названия</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Документ PDF|*.pdf|Все файлы|*.*</source>
        <translation>PDF document|*.pdf|All files|*.*</translation>
    </message>
</context>
<context>
    <name>FlywheelChartWindow</name>
    <message>
        <source>Маховик</source>
        <translation>Flywheel</translation>
    </message>
    <message>
        <source>Избыточная работа ΔT</source>
        <translation>Surplus work ΔT</translation>
    </message>
    <message>
        <source>ΔT, Дж</source>
        <translation>ΔT, J</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Приведенный момент Mo и движущий момент M_d</source>
        <translation>Reduced moment Mo and driving moment M_d</translation>
    </message>
    <message>
        <source>Mo, M_d, Н·м</source>
        <translation>Mo, M_d, N·m</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>Mo и M_d</source>
        <translation>Mo and M_d</translation>
    </message>
    <message>
        <source>Диаграмма энергомасс</source>
        <translation>Energy–inertia diagram</translation>
    </message>
    <message>
        <source>ΔT(J_пр)</source>
        <translation>ΔT(J_red)</translation>
    </message>
    <message>
        <source>J_пр, кг·м²</source>
        <translation>J_red, kg·m²</translation>
    </message>
    <message>
        <source>Энергомассы</source>
        <translation>Energy–inertia</translation>
    </message>
    <message>
        <source>нет результатов расчёта</source>
        <translation>no results of a calculation</translation>
    </message>
    <message>
        <source>: ΔT_max = %1 Дж</source>
        <translation>: ΔT_max = %1 J</translation>
    </message>
</context>
<context>
    <name>LoadEditor</name>
    <message>
        <source>Файл CSV|*.csv|Все файлы|*.*</source>
        <translation>CSV file|*.csv|All files|*.*</translation>
    </message>
    <message numerus="yes">
        <source>точек</source>
        <translation>
            <numerusform>point</numerusform>
            <numerusform>points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>точка</source>
        <translation>
            <numerusform>point</numerusform>
            <numerusform>points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>точки</source>
        <translation>
            <numerusform>point</numerusform>
            <numerusform>points</numerusform>
        </translation>
    </message>
    <message>
        <source>Нагрузка: нет</source>
        <translation>Load: none</translation>
    </message>
    <message>
        <source> кН</source>
        <translation> kN</translation>
    </message>
    <message>
        <source> Н</source>
        <translation> N</translation>
    </message>
    <message>
        <source>по углу</source>
        <translation>by angle</translation>
    </message>
    <message>
        <source>по ходу</source>
        <translation>by stroke</translation>
    </message>
    <message>
        <source>Нагрузка: %1, %2 %3, до %4</source>
        <translation>Load: %1, %2 %3, up to %4</translation>
    </message>
    <message>
        <source>Нагрузка</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>нет нагрузки</source>
        <translation>no load</translation>
    </message>
    <message>
        <source>по углу поворота кривошипа</source>
        <translation>by crank angle</translation>
    </message>
    <message>
        <source>по положению ползуна</source>
        <translation>by slider position</translation>
    </message>
    <message>
        <source>к кривошипу</source>
        <translation>towards the crank</translation>
    </message>
    <message>
        <source>вдоль оси y</source>
        <translation>along the y axis</translation>
    </message>
    <message>
        <source>Период нагрузки:</source>
        <translation>Load period:</translation>
    </message>
    <message>
        <source>Нет нагрузки</source>
        <translation>No load</translation>
    </message>
    <message>
        <source>Постоянная сила</source>
        <translation>Constant force</translation>
    </message>
    <message>
        <source>Сопротивление пресса</source>
        <translation>Press resistance</translation>
    </message>
    <message>
        <source>Индикаторная диаграмма</source>
        <translation>Indicator diagram</translation>
    </message>
    <message>
        <source>Заполнить</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>Образец:</source>
        <translation>Preset:</translation>
    </message>
    <message>
        <source>МПа</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>бар</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>Пересчитать в Q</source>
        <translation>Convert to Q</translation>
    </message>
    <message>
        <source>d, мм:</source>
        <translation>d, mm:</translation>
    </message>
    <message>
        <source>p в</source>
        <translation>p in</translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Импорт CSV…</source>
        <translation>Import CSV…</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Q к кривошипу, Н</source>
        <translation>Q towards crank, N</translation>
    </message>
    <message>
        <source>Q от кривошипа, Н</source>
        <translation>Q away from crank, N</translation>
    </message>
    <message>
        <source>Q, Н</source>
        <translation>Q, N</translation>
    </message>
    <message>
        <source>Строка %1: в столбце «%2» не число.</source>
        <translation>Row %1: the column “%2” holds no number.</translation>
    </message>
    <message>
        <source>Диаметр поршня d должен быть положительным числом.</source>
        <translation>The piston diameter d must be a positive number.</translation>
    </message>
    <message>
        <source>Строка %1 диаграммы: не число.</source>
        <translation>Row %1 of the diagram: not a number.</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>таблица пуста</source>
        <translation>the table is empty</translation>
    </message>
    <message>
        <source>Нагрузка не применена: %1: %2.</source>
        <translation>Load not applied: %1: %2.</translation>
    </message>
    <message>
        <source>Нагрузка не применена: нагрузка по положению ползуна требует полного оборота кривошипа (l1 &gt; 0 и |b| ≤ l2 − l1).</source>
        <translation>Load not applied: a load by slider position needs a crank that turns fully (l1 &gt; 0 and |b| ≤ l2 − l1).</translation>
    </message>
    <message>
        <source>нагрузка</source>
        <translation>load</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Нагрузка и маховик</source>
        <translation>Load and flywheel</translation>
    </message>
    <message>
        <source>Нагрузка…</source>
        <translation>Load…</translation>
    </message>
    <message>
        <source>Сводка</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Выполнить «Автозаполнение» перед расчётом?</source>
        <translation>Run “Autofill” before calculating?</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть отчёт…</source>
        <translation>Open Report…</translation>
    </message>
    <message>
        <source>Сохранить отчёт…</source>
        <translation>Save Report…</translation>
    </message>
    <message>
        <source>Экспорт CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Маховик</source>
        <translation>Flywheel</translation>
    </message>
    <message>
        <source>Индикатор</source>
        <translation>Progress Bar</translation>
    </message>
    <message>
        <source>&amp;Операции</source>
        <translation>&amp;Operations</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Анимация</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Автозаполнение</source>
        <translation>Autofill</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Quantity Chart</translation>
    </message>
    <message>
        <source>Исследование параметра…</source>
        <translation>Parameter Study…</translation>
    </message>
    <message>
        <source>Синтез механизма…</source>
        <translation>Mechanism Synthesis…</translation>
    </message>
    <message>
        <source>Оптимизация…</source>
        <translation>Optimisation…</translation>
    </message>
    <message>
        <source>Исследование &amp;двух параметров…</source>
        <translation>&amp;Two-Parameter Study…</translation>
    </message>
    <message>
        <source>Пересчитывать автоматически</source>
        <translation>Recalculate Automatically</translation>
    </message>
    <message>
        <source>По&amp;мощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About Kinovar</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Истинное движение</source>
        <translation>True Motion</translation>
    </message>
</context>
<context>
    <name>MechanismView</name>
    <message>
        <source>Шаг %1, φ = %2°</source>
        <translation>Step %1, φ = %2°</translation>
    </message>
    <message>
        <source>Стрелки — полные силы в шарнирах (с реакцией направляющей): fak, fbk, fok.</source>
        <translation>Arrows: the complete joint forces (with the guide’s reaction): fak, fbk, fok.</translation>
    </message>
    <message>
        <source>Положение по параметрам; силы — после расчёта.</source>
        <translation>Position from the parameters; forces after a calculation.</translation>
    </message>
    <message>
        <source>%1 = %2 Н</source>
        <translation>%1 = %2 N</translation>
    </message>
    <message>
        <source>Q = %1 Н</source>
        <translation>Q = %1 N</translation>
    </message>
    <message>
        <source>скачок ветви</source>
        <translation>branch jump</translation>
    </message>
</context>
<context>
    <name>MoEChartWindow</name>
    <message>
        <source>Графики</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Графики Mo и E</source>
        <translation>Charts of Mo and E</translation>
    </message>
    <message>
        <source>Mo, Н·м; E, Дж</source>
        <translation>Mo, N·m; E, J</translation>
    </message>
    <message>
        <source>Н·м</source>
        <translation>N·m</translation>
    </message>
    <message>
        <source>Дж</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Отображать значения Mo</source>
        <translation>Show Values of Mo</translation>
    </message>
    <message>
        <source>Отображать значения E</source>
        <translation>Show Values of E</translation>
    </message>
    <message>
        <source>Все значения</source>
        <translation>All Values</translation>
    </message>
</context>
<context>
    <name>OptimiseWindow</name>
    <message>
        <source>Оптимизация</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>Улучшать показатель:</source>
        <translation>Improve the figure:</translation>
    </message>
    <message>
        <source>Расчётов не больше:</source>
        <translation>At most calculations:</translation>
    </message>
    <message>
        <source>Изменяемые параметры (отметьте):</source>
        <translation>Parameters to vary (tick them):</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Ограничения (пустая клетка — нет):</source>
        <translation>Constraints (an empty cell is none):</translation>
    </message>
    <message>
        <source>Показатель</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>не больше</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>не меньше</source>
        <translation>at least</translation>
    </message>
    <message>
        <source>равно</source>
        <translation>equal to</translation>
    </message>
    <message>
        <source>допуск</source>
        <translation>tolerance</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>после</source>
        <translation>after</translation>
    </message>
    <message>
        <source>Сохранить как вариант</source>
        <translation>Keep as variant</translation>
    </message>
    <message>
        <source>%1, «%2»: «%3» — не число</source>
        <translation>%1, “%2”: “%3” is not a number</translation>
    </message>
    <message>
        <source>Поиск…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Лучшее пока: %1 = %2;</source>
        <translation>Best so far: %1 = %2;</translation>
    </message>
    <message>
        <source>Отмена…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>Отменено</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Найдено за %1 расчётов</source>
        <translation>Found in %1 calculations</translation>
    </message>
    <message>
        <source>Оптимум: %1</source>
        <translation>Optimum: %1</translation>
    </message>
</context>
<context>
    <name>ParamHistory</name>
    <message>
        <source>шаг %1</source>
        <translation>step %1</translation>
    </message>
    <message>
        <source>шаг-циклов %1</source>
        <translation>step cycles %1</translation>
    </message>
    <message>
        <source>режим 360</source>
        <translation>mode 360</translation>
    </message>
    <message>
        <source>режим 720</source>
        <translation>mode 720</translation>
    </message>
    <message>
        <source>изменение параметров</source>
        <translation>change of parameters</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Режим: ветвь сборки шатуна (360 или 720)</source>
        <translation>Mode: the connecting rod’s assembly branch (360 or 720)</translation>
    </message>
    <message>
        <source>Автозаполнение</source>
        <translation>Autofill</translation>
    </message>
    <message>
        <source>Обновить значения параметров</source>
        <translation>Refresh the parameters’ values</translation>
    </message>
    <message>
        <source>Введите значение:</source>
        <translation>Enter a value:</translation>
    </message>
    <message>
        <source>Ввести</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Изменить </source>
        <translation>Change </translation>
    </message>
    <message>
        <source>автозаполнение</source>
        <translation>autofill</translation>
    </message>
</context>
<context>
    <name>ProjectController</name>
    <message>
        <source>Проект Kinovar|*.kinovar</source>
        <translation>Kinovar project|*.kinovar</translation>
    </message>
    <message>
        <source>Открыть проект…</source>
        <translation>Open Project…</translation>
    </message>
    <message>
        <source>Сохранить проект</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>Сохранить проект как…</source>
        <translation>Save Project As…</translation>
    </message>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Без названия</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source> (восстановлен)</source>
        <translation> (recovered)</translation>
    </message>
    <message>
        <source>Сохранить изменения проекта%1?</source>
        <translation>Save the changes to the project%1?</translation>
    </message>
    <message>
        <source>открытие проекта</source>
        <translation>opening the project</translation>
    </message>
    <message>
        <source>открытие примера</source>
        <translation>opening the example</translation>
    </message>
    <message>
        <source>Примеры не установлены</source>
        <translation>No examples installed</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>открытие отчёта</source>
        <translation>opening the report</translation>
    </message>
    <message>
        <source>Восстановить несохранённый проект от %1?</source>
        <translation>Recover the unsaved project of %1?</translation>
    </message>
    <message>
        <source>Несохранённый проект оставлен в этом файле.</source>
        <translation>The unsaved project has been left in this file.</translation>
    </message>
    <message>
        <source>восстановление</source>
        <translation>recovery</translation>
    </message>
    <message>
        <source>В проекте уже %1 вариантов: удалите ненужные, чтобы запомнить новый</source>
        <translation>The project already holds %1 variants: delete some you no longer need to keep a new one</translation>
    </message>
    <message>
        <source>вариант %1</source>
        <translation>variant %1</translation>
    </message>
    <message>
        <source>переименование варианта %1</source>
        <translation>renaming variant %1</translation>
    </message>
    <message>
        <source>удаление варианта %1</source>
        <translation>deleting variant %1</translation>
    </message>
    <message>
        <source>восстановление варианта %1</source>
        <translation>restoring variant %1</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Сохранить их как есть</source>
        <translation>Save them as they are</translation>
    </message>
    <message>
        <source>Пересчитать и сохранить</source>
        <translation>Recalculate and save</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>QuantityChartWindow</name>
    <message>
        <source>График параметра</source>
        <translation>Quantity chart</translation>
    </message>
    <message>
        <source>Выберите величину в списке ниже</source>
        <translation>Choose a quantity from the list below</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Отображать значения</source>
        <translation>Show values</translation>
    </message>
    <message>
        <source>&amp;Oчистить</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>Все значения</source>
        <translation>All Values</translation>
    </message>
    <message>
        <source>График: </source>
        <translation>Chart: </translation>
    </message>
</context>
<context>
    <name>ResultsPanel</name>
    <message>
        <source>Текстовый файл|*.txt|Все файлы|*.*</source>
        <translation>Text file|*.txt|All files|*.*</translation>
    </message>
    <message>
        <source>Нагрузка в отчёт не записывается: она сохраняется только в проекте.</source>
        <translation>The load is not written to the report: only the project keeps it.</translation>
    </message>
    <message>
        <source>Файл CSV|*.csv|Все файлы|*.*</source>
        <translation>CSV file|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>Экспорт CSV: поля через «%1», дробная часть через «%2»</source>
        <translation>Export CSV: fields separated by “%1”, decimals by “%2”</translation>
    </message>
    <message>
        <source>Отчёт:</source>
        <translation>Report:</translation>
    </message>
    <message>
        <source>Таблица</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Сводка</source>
        <translation>Summary</translation>
    </message>
</context>
<context>
    <name>RunSettingsPanel</name>
    <message>
        <source>Параметры расчёта</source>
        <translation>Calculation settings</translation>
    </message>
    <message>
        <source>Шаг расчета:</source>
        <translation>Step:</translation>
    </message>
    <message>
        <source>Шаг поворота кривошипа в градусах. Мелкий шаг (меньше 1°) — для малых L1 и L2.</source>
        <translation>The crank’s turn per step in degrees. A fine step (under 1°) suits small L1 and L2.</translation>
    </message>
    <message>
        <source>Шаг-циклов:</source>
        <translation>Step cycles:</translation>
    </message>
    <message>
        <source>Число циклов по 24 шага: 2 цикла при шаге 5° — это 240° поворота кривошипа.</source>
        <translation>The number of cycles of 24 steps: 2 cycles at a 5° step turn the crank through 240°.</translation>
    </message>
    <message>
        <source>Изменить</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>SceneModel</name>
    <message>
        <source>Угол кривошипа: %1°   Шаг %2 из %3</source>
        <translation>Crank angle: %1°   Step %2 of %3</translation>
    </message>
</context>
<context>
    <name>ShakingChartWindow</name>
    <message>
        <source>Годограф сотрясающей силы</source>
        <translation>Shaking Force Hodograph</translation>
    </message>
    <message>
        <source>без противовеса</source>
        <translation>without counterweight</translation>
    </message>
    <message>
        <source>курсор</source>
        <translation>cursor</translation>
    </message>
    <message>
        <source>F_sh,x, Н</source>
        <translation>F_sh,x, N</translation>
    </message>
    <message>
        <source>F_sh,y, Н</source>
        <translation>F_sh,y, N</translation>
    </message>
    <message>
        <source>Сила на стойку за период: с противовесом и без него</source>
        <translation>Force on the frame over a period: with and without the counterweight</translation>
    </message>
    <message>
        <source>Сила на стойку за период</source>
        <translation>Force on the frame over a period</translation>
    </message>
</context>
<context>
    <name>SummaryWindow</name>
    <message>
        <source>Сводка</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Сводка относится к прежним параметрам: нажмите «Расчет»</source>
        <translation>The summary belongs to earlier parameters: press “Calculate”</translation>
    </message>
    <message>
        <source>Коэффициент неравномерности δ =</source>
        <translation>Coefficient of fluctuation δ =</translation>
    </message>
    <message>
        <source>Допустимая неравномерность хода (ω_max − ω_min)/ω_ср, по которой подбирается маховик. Для прессов обычно 0,1–0,2, для двигателей 0,01–0,02.</source>
        <translation>The permitted fluctuation of speed (ω_max − ω_min)/ω_mean the flywheel is sized for. Usually 0.1–0.2 for presses, 0.01–0.02 for engines.</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Угол, °</source>
        <translation>Angle, °</translation>
    </message>
    <message>
        <source>Графики маховика</source>
        <translation>Flywheel charts</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Нет результатов: сначала выполните «Расчет»</source>
        <translation>No results: run “Calculate” first</translation>
    </message>
    <message>
        <source>δ должен лежать между 0 и 1</source>
        <translation>δ must lie between 0 and 1</translation>
    </message>
</context>
<context>
    <name>SweepMapWindow</name>
    <message>
        <source>Исследование двух параметров</source>
        <translation>Two-parameter study</translation>
    </message>
    <message>
        <source>По вертикали</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>По горизонтали</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Автозаполнение для каждого значения</source>
        <translation>Autofill for every value</translation>
    </message>
    <message>
        <source>Показатель</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить как вариант</source>
        <translation>Keep as variant</translation>
    </message>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Значений</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Расчёт вариантов…</source>
        <translation>Calculating the variants…</translation>
    </message>
    <message>
        <source>Отмена…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>Отменено</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Вариантов: %1, не рассчитано: %2</source>
        <translation>Variants: %1, not calculated: %2</translation>
    </message>
    <message>
        <source>: синий — </source>
        <translation>: blue — </translation>
    </message>
    <message>
        <source>, красный — </source>
        <translation>, red — </translation>
    </message>
    <message>
        <source>; серый — нет значения</source>
        <translation>; grey — no value</translation>
    </message>
    <message>
        <source>: нет значений</source>
        <translation>: no values</translation>
    </message>
    <message>
        <source>нет значения</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>Выберите клетку карты</source>
        <translation>Choose a cell of the map</translation>
    </message>
</context>
<context>
    <name>SweepWindow</name>
    <message>
        <source>Масштаб нагрузки</source>
        <translation>Load scale</translation>
    </message>
    <message>
        <source>Исследование параметра</source>
        <translation>Parameter study</translation>
    </message>
    <message>
        <source>Автозаполнение для каждого значения</source>
        <translation>Autofill for every value</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>от</source>
        <translation>from</translation>
    </message>
    <message>
        <source>до</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Значений</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить как вариант</source>
        <translation>Keep as variant</translation>
    </message>
    <message>
        <source>Экспорт CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Расчёт вариантов…</source>
        <translation>Calculating the variants…</translation>
    </message>
    <message>
        <source>Отмена…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>Отменено</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Вариантов: %1, не рассчитано: %2</source>
        <translation>Variants: %1, not calculated: %2</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>State</translation>
    </message>
    <message>
        <source>готово</source>
        <translation>done</translation>
    </message>
    <message>
        <source>Выберите строку таблицы</source>
        <translation>Choose a row of the table</translation>
    </message>
    <message>
        <source>Нет результатов: сначала выполните «Пуск»</source>
        <translation>No results: press “Start” first</translation>
    </message>
    <message>
        <source>Файл CSV|*.csv|Все файлы|*.*</source>
        <translation>CSV file|*.csv|All files|*.*</translation>
    </message>
    <message>
        <source>Экспорт CSV: поля через «%1», дробная часть через «%2»</source>
        <translation>Export CSV: fields separated by “%1”, decimals by “%2”</translation>
    </message>
</context>
<context>
    <name>SynthesisWindow</name>
    <message>
        <source>Синтез механизма</source>
        <translation>Mechanism synthesis</translation>
    </message>
    <message>
        <source>Отношение λ = L1/L2:</source>
        <translation>Ratio λ = L1/L2:</translation>
    </message>
    <message>
        <source>Наибольший угол давления, °:</source>
        <translation>Greatest pressure angle, °:</translation>
    </message>
    <message>
        <source>Ход ползуна H, м:</source>
        <translation>Slider stroke H, m:</translation>
    </message>
    <message>
        <source>Коэффициент K рабочего и холостого ходов:</source>
        <translation>Time ratio K of working and return strokes:</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Введите H, K и λ или угол давления числами.</source>
        <translation>Enter H, K and λ or the pressure angle as numbers.</translation>
    </message>
    <message>
        <source>синтез механизма</source>
        <translation>mechanism synthesis</translation>
    </message>
</context>
<context>
    <name>TrueMotionWindow</name>
    <message>
        <source>Истинное движение</source>
        <translation>True Motion</translation>
    </message>
    <message>
        <source>Угловая скорость кривошипа ω(φ)</source>
        <translation>Crank angular velocity ω(φ)</translation>
    </message>
    <message>
        <source>ω, рад/с</source>
        <translation>ω, rad/s</translation>
    </message>
    <message>
        <source>ω</source>
        <translation>ω</translation>
    </message>
    <message>
        <source>ω_ср</source>
        <translation>ω_mean</translation>
    </message>
    <message>
        <source>ω_ср·(1 − δ/2)</source>
        <translation>ω_mean·(1 − δ/2)</translation>
    </message>
    <message>
        <source>ω_ср·(1 + δ/2)</source>
        <translation>ω_mean·(1 + δ/2)</translation>
    </message>
    <message>
        <source>рад/с</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>ω(φ)</source>
        <translation>ω(φ)</translation>
    </message>
    <message>
        <source>Разгон ω(t)</source>
        <translation>Run-up ω(t)</translation>
    </message>
    <message>
        <source>ω(t)</source>
        <translation>ω(t)</translation>
    </message>
    <message>
        <source>Время, с</source>
        <translation>Time, s</translation>
    </message>
    <message>
        <source>Приведённый момент инерции J(φ)</source>
        <translation>Reduced moment of inertia J(φ)</translation>
    </message>
    <message>
        <source>J, кг·м²</source>
        <translation>J, kg·m²</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>кг·м²</source>
        <translation>kg·m²</translation>
    </message>
    <message>
        <source>J(φ)</source>
        <translation>J(φ)</translation>
    </message>
    <message>
        <source>Показатели</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Привод и маховик</source>
        <translation>Drive and flywheel</translation>
    </message>
    <message>
        <source>заданный</source>
        <translation>prescribed</translation>
    </message>
    <message>
        <source>истинное движение</source>
        <translation>true motion</translation>
    </message>
    <message>
        <source>Закон движения:</source>
        <translation>Motion law:</translation>
    </message>
    <message>
        <source>постоянный момент M_д</source>
        <translation>constant moment M_d</translation>
    </message>
    <message>
        <source>двигатель</source>
        <translation>motor</translation>
    </message>
    <message>
        <source>таблица M(ω)</source>
        <translation>table M(ω)</translation>
    </message>
    <message>
        <source>Привод:</source>
        <translation>Drive:</translation>
    </message>
    <message>
        <source>Mн, Н·м:</source>
        <translation>Mn, N·m:</translation>
    </message>
    <message>
        <source>ωн, рад/с:</source>
        <translation>ωn, rad/s:</translation>
    </message>
    <message>
        <source>ω0, рад/с:</source>
        <translation>ω0, rad/s:</translation>
    </message>
    <message>
        <source>J маховика из сводки</source>
        <translation>Flywheel J from the summary</translation>
    </message>
    <message>
        <source>J маховика, кг·м²:</source>
        <translation>Flywheel J, kg·m²:</translation>
    </message>
    <message>
        <source>ω пуска, рад/с:</source>
        <translation>Start-up ω, rad/s:</translation>
    </message>
    <message>
        <source>%1: введите число</source>
        <translation>%1: enter a number</translation>
    </message>
    <message>
        <source>%1: значение вне допустимого диапазона</source>
        <translation>%1: the value is out of range</translation>
    </message>
    <message>
        <source>закон движения: %1</source>
        <translation>motion law: %1</translation>
    </message>
    <message>
        <source>привод: %1</source>
        <translation>drive: %1</translation>
    </message>
    <message>
        <source>Нет результатов расчёта.</source>
        <translation>No calculation results.</translation>
    </message>
    <message>
        <source>Расчёт выполнен по заданному закону движения; здесь показано истинное движение тех же параметров для сравнения.</source>
        <translation>The calculation used the prescribed motion law; the true motion of the same parameters is shown here for comparison.</translation>
    </message>
    <message>
        <source>У курсора: φ = %1°, ω = %2 рад/с, J = %3 кг·м²</source>
        <translation>At the cursor: φ = %1°, ω = %2 rad/s, J = %3 kg·m²</translation>
    </message>
</context>
<context>
    <name>VariantsController</name>
    <message>
        <source>Запомнить вариант</source>
        <translation>Keep Variant</translation>
    </message>
    <message>
        <source>Варианты</source>
        <translation>Variants</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Имя варианта:</source>
        <translation>Variant name:</translation>
    </message>
</context>
<context>
    <name>VariantsWindow</name>
    <message>
        <source>Варианты</source>
        <translation>Variants</translation>
    </message>
    <message>
        <source>Вариантов нет: «Запомнить вариант» (Ctrl+M) сохраняет текущий расчёт</source>
        <translation>No variants: “Keep Variant” (Ctrl+M) keeps the current run</translation>
    </message>
    <message>
        <source>На графиках</source>
        <translation>On charts</translation>
    </message>
    <message>
        <source>Имя варианта меняется двойным щелчком или F2; лучшие значения выделены</source>
        <translation>Rename a variant by double-clicking it or with F2; the best values are highlighted</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Вернуть параметры выбранного варианта на экран</source>
        <translation>Bring the chosen variant’s parameters back on screen</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>лучшее значение в столбце</source>
        <translation>the best value in the column</translation>
    </message>
</context>
</TS>
