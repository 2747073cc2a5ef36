<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
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
</context>
<context>
    <name>Language</name>
    <message>
        <source>ru</source>
        <translation>en</translation>
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
</TS>
