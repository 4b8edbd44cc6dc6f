<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Cipher machine Q417</source>
        <translation>Шифровальная машина Q417</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>A simulator of the rotor cipher machine</source>
        <translation>Имитатор роторной шифровальной машины</translation>
    </message>
    <message>
        <source>Machine model, pictures</source>
        <translation>Модель машины, рисунки</translation>
    </message>
    <message>
        <source>and sounds: the Q417 team</source>
        <translation>и звуки: команда Q417</translation>
    </message>
    <message>
        <source>Built with Qt 6 and libjpeg</source>
        <translation>Собрано с Qt 6 и libjpeg</translation>
    </message>
    <message>
        <source>Free software, MIT licence</source>
        <translation>Свободная программа, лицензия MIT</translation>
    </message>
    <message>
        <source>Guide  F1</source>
        <translation>Справка F1</translation>
    </message>
    <message>
        <source>how to work the machine</source>
        <translation>как работать на машине</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>clear punch card</source>
        <translation>очистить перфокарту</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>insert triangle</source>
        <translation>пробить треугольник</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Треуг.</translation>
    </message>
    <message>
        <source>Show unaccessible points</source>
        <translation>Показать недоступные точки</translation>
    </message>
    <message>
        <source>   Marks</source>
        <translation>   Метки</translation>
    </message>
    <message>
        <source>apply punch card</source>
        <translation>применить перфокарту</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>drag to move the card aside</source>
        <translation>перетащите, чтобы отодвинуть карту</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Your first message: enciphering</source>
        <translation>Первое сообщение: зашифрование</translation>
    </message>
    <message>
        <source>&lt;p&gt;Give the machine a key of your own. Click the dark window band across a rotor to open the machine, then &lt;b&gt;random key&lt;/b&gt; and &lt;b&gt;save key&lt;/b&gt; in the box below it; the key file holds the punch card and the key table. Loading or making a key puts each rotor at its body number. A click near the top of the stack closes the machine.&lt;/p&gt;&lt;p&gt;Turn the rotors to starting positions of your choice (the mouse wheel, or a click above or below a rotor&apos;s window). The starting positions are the letters at the arrows of the rotors&apos; windows, slot 1 on the left: write them down.&lt;/p&gt;&lt;p&gt;Move the work lever to &lt;b&gt;ЗШ&lt;/b&gt; and type the message, or load it as a text and press &lt;b&gt;ПУСК&lt;/b&gt;. The paper tape and the text panel show the enciphered text; the text panel saves it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Задайте машине собственный ключ. Щёлкните по тёмной полосе окон поперёк ротора, чтобы открыть машину, затем нажмите &lt;b&gt;случайный ключ&lt;/b&gt; и &lt;b&gt;сохранить ключ&lt;/b&gt; в ящике под ней; файл ключа хранит перфокарту и ключевую таблицу. При загрузке или создании ключа каждый ротор встаёт на номер своего корпуса. Щелчок у верхнего края пакета роторов закрывает машину.&lt;/p&gt;&lt;p&gt;Поверните роторы в выбранные вами начальные положения (колёсиком мыши или щелчком над окном ротора или под ним). Начальные положения — это буквы у стрелок окон роторов, гнездо 1 слева: запишите их.&lt;/p&gt;&lt;p&gt;Переведите рычаг режима на &lt;b&gt;ЗШ&lt;/b&gt; и напечатайте сообщение или загрузите его как текст и нажмите &lt;b&gt;ПУСК&lt;/b&gt;. Бумажная лента и панель текста показывают зашифрованный текст; панель текста его сохраняет.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Your first message: deciphering</source>
        <translation>Первое сообщение: расшифрование</translation>
    </message>
    <message>
        <source>&lt;p&gt;Send your friend the key file, the starting positions, the enciphered text and your settings: the model, the rotor series, the keyboard and print wheel, the module and the alphabet plug. On the Q417-3MN and Q417-3MR keep the register switch on &lt;b&gt;БУКВ&lt;/b&gt; (letters) at both ends: the other registers print figures, and the letters they replace do not come back.&lt;/p&gt;&lt;p&gt;To read it, on a second start with the same settings: open the machine, &lt;b&gt;load key&lt;/b&gt;, close the machine, turn the rotors to the starting positions, move the work lever to &lt;b&gt;РШ&lt;/b&gt; and type the enciphered text, or load it in the text panel and press &lt;b&gt;ПУСК&lt;/b&gt;. The plain text comes back with its spaces.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Передайте другу файл ключа, начальные положения, зашифрованный текст и ваши настройки: модель, серию роторов, клавиатуру и литерное колесо, модуль и вилку алфавита. На Q417-3MN и Q417-3MR держите переключатель регистров на &lt;b&gt;БУКВ&lt;/b&gt; (буквы) с обеих сторон: другие регистры печатают цифры, и замещённые ими буквы не восстанавливаются.&lt;/p&gt;&lt;p&gt;Чтобы прочитать сообщение, при втором запуске с теми же настройками откройте машину, нажмите &lt;b&gt;загрузить ключ&lt;/b&gt;, закройте машину, поверните роторы в начальные положения, переведите рычаг режима на &lt;b&gt;РШ&lt;/b&gt; и напечатайте зашифрованный текст или загрузите его в панель текста и нажмите &lt;b&gt;ПУСК&lt;/b&gt;. Открытый текст вернётся вместе с пробелами.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Refused keys and missing letters</source>
        <translation>Запрещённые клавиши и недостающие буквы</translation>
    </message>
    <message>
        <source>&lt;p&gt;While enciphering the key &lt;b&gt;Й&lt;/b&gt; is refused, because the space is enciphered on its contact; a Й in a loaded text comes back as a space. While deciphering the space bar is refused, and the spaces of a loaded text are passed over. With the ten-key alphabet only the ten blue figure keys work.&lt;/p&gt;&lt;p&gt;A loaded text is read with the keyboard chosen on the settings panel, and a character it lacks is passed over. &lt;b&gt;German&lt;/b&gt; has no Q, W, X or Y and no 0 or 1, and its J stands on the Й key: HELLO WORLD comes back as HELLO ORLD. &lt;b&gt;Polish&lt;/b&gt; and &lt;b&gt;Czech&lt;/b&gt; have every Latin letter but only the figures 2, 5, 7 and 8, and 2 stands on the Й key. &lt;b&gt;Russian&lt;/b&gt; has no Latin letters and no figures. No layout has Ё, Ъ or Э.&lt;/p&gt;</source>
        <translation>&lt;p&gt;При зашифровании клавиша &lt;b&gt;Й&lt;/b&gt; не работает, потому что на её контакте шифруется пробел; буква Й в загруженном тексте возвращается пробелом. При расшифровании не работает клавиша пробела, а пробелы загруженного текста пропускаются. С десятиклавишным алфавитом работают только десять синих цифровых клавиш.&lt;/p&gt;&lt;p&gt;Загруженный текст читается с клавиатурой, выбранной на панели настроек, а знаки, которых на ней нет, пропускаются. На &lt;b&gt;немецкой&lt;/b&gt; нет Q, W, X, Y, нет 0 и 1, а J стоит на клавише Й: HELLO WORLD возвращается как HELLO ORLD. На &lt;b&gt;польской&lt;/b&gt; и &lt;b&gt;чешской&lt;/b&gt; есть все латинские буквы, но из цифр только 2, 5, 7 и 8, а 2 стоит на клавише Й. На &lt;b&gt;русской&lt;/b&gt; нет ни латинских букв, ни цифр. Ни в одной раскладке нет Ё, Ъ и Э.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The key table</source>
        <translation>Ключевая таблица</translation>
    </message>
    <message>
        <source>&lt;p&gt;The paper strip in the box of the open machine is the key table, one column for each rotor slot, slot 1 on the left. Its five rows, named on the strip: the &lt;b&gt;body&lt;/b&gt; (А to К: which of the ten bodies, with its stepping pins), the &lt;b&gt;ring setting&lt;/b&gt; of the alphabet ring on it (А to Й), the &lt;b&gt;core&lt;/b&gt; (А to К: which of the ten wiring cores), its &lt;b&gt;side&lt;/b&gt; (1 put in normally, 2 turned over) and the &lt;b&gt;core setting&lt;/b&gt; in the body (А to Й).&lt;/p&gt;&lt;p&gt;A body or a core can stand in one slot only; the ten-rotor models do not close on a table that breaks this. A key file holds the table and the punch card, not the rotors&apos; positions: that is why the starting positions are sent with it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Бумажная полоска в ящике открытой машины — это ключевая таблица, по столбцу на каждое гнездо ротора, гнездо 1 слева. Её пять строк, подписанных на полоске: &lt;b&gt;корпус&lt;/b&gt; (А–К: какой из десяти корпусов со штифтами шагания), &lt;b&gt;установка кольца&lt;/b&gt; — буквенного кольца на нём (А–Й), &lt;b&gt;вставка&lt;/b&gt; (А–К: какая из десяти вставок с проводкой), её &lt;b&gt;сторона&lt;/b&gt; (1 — вставлена прямо, 2 — перевёрнута) и &lt;b&gt;установка вставки&lt;/b&gt; в корпусе (А–Й).&lt;/p&gt;&lt;p&gt;Корпус или вставка может стоять только в одном гнезде; десятироторные модели не закрываются с таблицей, которая это нарушает. Файл ключа хранит таблицу и перфокарту, но не положения роторов: поэтому начальные положения передают вместе с ним.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&lt;p&gt;Type on the computer keyboard, or click the keys of the picture. The keys act by their place on the keyboard, whatever layout your desktop uses; the machine&apos;s own layout (German, Polish, Czech or Russian) is chosen on the settings panel.&lt;/p&gt;&lt;p&gt;Every key press runs through the key card, the rotors and the reflector and back. The result is printed on the paper tape at the top, the rotors step, and the counter at the bottom left counts the letters in groups of five (the brown lever under it sets it back to zero). The text panel keeps what you typed and what the machine printed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Печатайте на клавиатуре компьютера или щёлкайте по клавишам на рисунке. Клавиши действуют по своему месту на клавиатуре, какая бы раскладка ни стояла на рабочем столе; собственная раскладка машины (немецкая, польская, чешская или русская) выбирается на панели настроек.&lt;/p&gt;&lt;p&gt;Каждое нажатие проходит через ключевую карту, роторы и отражатель и обратно. Результат печатается на бумажной ленте вверху, роторы делают шаг, а счётчик внизу слева считает буквы группами по пять (коричневый рычаг под ним сбрасывает его на ноль). Панель текста хранит то, что вы напечатали, и то, что напечатала машина.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Mode wheel and levers</source>
        <translation>Переключатель режимов и рычаги</translation>
    </message>
    <message>
        <source>&lt;p&gt;The long lever on the mode wheel, right of the rotors, sets the kind of work: &lt;b&gt;ОТ&lt;/b&gt; plain typing, &lt;b&gt;ЗШ&lt;/b&gt; encipher, &lt;b&gt;РШ&lt;/b&gt; decipher. Each click moves it one place on. The small red lever beside it prints only (down) or also punches the five-track tape (up, &lt;b&gt;ПЕРФ&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;On the Q417-3MN and Q417-3MR the register switch on the top rail prints letters (&lt;b&gt;БУКВ&lt;/b&gt;), mixed (&lt;b&gt;СМЕШ&lt;/b&gt;) or figures (&lt;b&gt;ЦИФР&lt;/b&gt;); the Q-417M has the language lever at the top right instead (&lt;b&gt;LAT&lt;/b&gt; or &lt;b&gt;РУС&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;The switch left of the reflector (&lt;b&gt;МОДУЛЬ&lt;/b&gt;) changes between the thirty letters and the ten-key figures alphabet: point at it, then click its middle.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Длинный рычаг на переключателе режимов справа от роторов задаёт вид работы: &lt;b&gt;ОТ&lt;/b&gt; — открытый текст, &lt;b&gt;ЗШ&lt;/b&gt; — зашифрование, &lt;b&gt;РШ&lt;/b&gt; — расшифрование. Каждый щелчок переводит его на одно место дальше. Маленький красный рычаг рядом включает только печать (вниз) или ещё и перфорацию пятидорожечной ленты (вверх, &lt;b&gt;ПЕРФ&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;На Q417-3MN и Q417-3MR переключатель регистров на верхней планке печатает буквы (&lt;b&gt;БУКВ&lt;/b&gt;), смешанно (&lt;b&gt;СМЕШ&lt;/b&gt;) или цифры (&lt;b&gt;ЦИФР&lt;/b&gt;); у Q-417M вместо него рычаг языка вверху справа (&lt;b&gt;LAT&lt;/b&gt; или &lt;b&gt;РУС&lt;/b&gt;).&lt;/p&gt;&lt;p&gt;Переключатель слева от отражателя (&lt;b&gt;МОДУЛЬ&lt;/b&gt;) меняет тридцатибуквенный алфавит на десятиклавишный цифровой и обратно: наведите на него указатель и щёлкните посередине.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Opening the machine and setting a key</source>
        <translation>Как открыть машину и установить ключ</translation>
    </message>
    <message>
        <source>&lt;p&gt;The mouse wheel turns the rotor under the pointer; a click on the upper or lower part of a rotor turns it by hand. A click on the dark window band across a rotor, the entry plate or the reflector opens the machine.&lt;/p&gt;&lt;p&gt;In the open machine a click on a rotor takes the rightmost one out. To build a rotor, click a body in the box below, then a core in the tray. On the face view the outer letters set the ring, the core&apos;s ring sets the core, the area inside it turns the core over and the centre gives the rotor up. Click the empty place in the stack to put the rotor in.&lt;/p&gt;&lt;p&gt;The box also loads, saves and generates keys, sets the basic key and opens the punch card: one hole in every row and column (drag the card by its title to move it aside). A click near the top of the stack closes the machine.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ротор поворачивают колёсиком мыши или щелчком по его верхней или нижней части. Щелчок по тёмной полосе окон поперёк ротора, по входной пластине или по отражателю открывает машину.&lt;/p&gt;&lt;p&gt;В открытой машине щелчок по ротору вынимает крайний правый. Чтобы собрать ротор, щёлкните по корпусу в ящике внизу, затем по вставке в лотке. На виде сверху внешние буквы устанавливают кольцо, кольцо вставки — вставку, область внутри него переворачивает вставку, а центр разбирает ротор. Щелчок по пустому месту в пакете вставляет ротор.&lt;/p&gt;&lt;p&gt;Ящик также загружает, сохраняет и создаёт ключи, устанавливает базовый ключ и открывает перфокарту: по одному отверстию в каждой строке и каждом столбце (карту можно отодвинуть за заголовок). Щелчок у верхнего края пакета роторов закрывает машину.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Loading and running a text</source>
        <translation>Загрузка и ввод текста</translation>
    </message>
    <message>
        <source>&lt;p&gt;Open the text panel with the third button of the control box and load a .txt file, or click the yellow button of the text loader beside the space bar.&lt;/p&gt;&lt;p&gt;The green key &lt;b&gt;ПУСК&lt;/b&gt; (start) then types the loaded text into the machine until the text ends, the red key &lt;b&gt;СТОП&lt;/b&gt; (stop) is pressed or an asterisk (*) in the text is reached; &lt;b&gt;ПУСК&lt;/b&gt; again goes on. The ribbed strip under the loader moves the highlight one character on (left half) or back (right half) without typing. Without a loaded text &lt;b&gt;ПУСК&lt;/b&gt; types one letter over and over until &lt;b&gt;СТОП&lt;/b&gt;. F3 types the loaded text one character per press.&lt;/p&gt;&lt;p&gt;The text panel saves the output text, chooses the font and clears both texts.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Откройте панель текста третьей кнопкой блока управления и загрузите файл .txt или щёлкните по жёлтой кнопке загрузчика текста рядом с клавишей пробела.&lt;/p&gt;&lt;p&gt;Зелёная клавиша &lt;b&gt;ПУСК&lt;/b&gt; затем печатает загруженный текст в машину, пока текст не кончится, не будет нажата красная клавиша &lt;b&gt;СТОП&lt;/b&gt; или не встретится звёздочка (*); повторный &lt;b&gt;ПУСК&lt;/b&gt; продолжает. Рифлёная планка под загрузчиком сдвигает выделение на знак вперёд (левая половина) или назад (правая), не печатая. Без загруженного текста &lt;b&gt;ПУСК&lt;/b&gt; печатает одну букву снова и снова до &lt;b&gt;СТОП&lt;/b&gt;. F3 печатает загруженный текст по одному знаку на нажатие.&lt;/p&gt;&lt;p&gt;Панель текста сохраняет выходной текст, выбирает шрифт и очищает оба текста.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The control box</source>
        <translation>Блок управления</translation>
    </message>
    <message>
        <source>&lt;p&gt;The three buttons at the top right of the machine, and a small key:&lt;/p&gt;&lt;p&gt;&lt;b&gt;Red&lt;/b&gt;: close the program. Only this way are the settings kept.&lt;br&gt;&lt;b&gt;Blue&lt;/b&gt;: the settings panel: model, rotor series, keyboard, print wheel, sound, divider, module and the alphabet plug; its about button shows the version and opens this guide.&lt;br&gt;&lt;b&gt;Sheet&lt;/b&gt;: the text panel.&lt;br&gt;&lt;b&gt;Path key&lt;/b&gt; (right of the sheet, or F2): the signal-path panel, the way the current took through the machine at the last key press.&lt;/p&gt;&lt;p&gt;Point at a button or a lever to see what it does; F1 opens this guide at any time. Drag the cabinet where nothing reacts to the mouse to move the window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Три кнопки вверху справа на машине и маленькая клавиша:&lt;/p&gt;&lt;p&gt;&lt;b&gt;Красная&lt;/b&gt;: закрыть программу. Только так сохраняются настройки.&lt;br&gt;&lt;b&gt;Синяя&lt;/b&gt;: панель настроек: модель, серия роторов, клавиатура, литерное колесо, звук, разделитель, модуль и вилка алфавита; её кнопка «о программе» показывает версию и открывает эту справку.&lt;br&gt;&lt;b&gt;Лист&lt;/b&gt;: панель текста.&lt;br&gt;&lt;b&gt;Клавиша пути&lt;/b&gt; (справа от листа, или F2): панель пути сигнала — путь тока через машину при последнем нажатии.&lt;/p&gt;&lt;p&gt;Наведите указатель на кнопку или рычаг, чтобы узнать, что они делают; F1 открывает эту справку в любой момент. Чтобы переместить окно, тяните корпус там, где ничто не отвечает на мышь.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>Signal path: where the current ran at the last key press (F2).</source>
        <translation>Путь сигнала: где прошёл ток при последнем нажатии клавиши (F2).</translation>
    </message>
    <message>
        <source>Close the program and keep the settings.</source>
        <translation>Закрыть программу и сохранить настройки.</translation>
    </message>
    <message>
        <source>Settings: model, rotor series, keyboard, sound, module.</source>
        <translation>Настройки: модель, серия роторов, клавиатура, звук, модуль.</translation>
    </message>
    <message>
        <source>Text panel: load, save and clear the texts.</source>
        <translation>Панель текста: загрузка, сохранение и очистка текстов.</translation>
    </message>
    <message>
        <source>Work lever: plain typing (ОТ), encipher (ЗШ), decipher (РШ). Click to move it.</source>
        <translation>Рычаг режима: открытый текст (ОТ), зашифрование (ЗШ), расшифрование (РШ). Щелчок переводит его.</translation>
    </message>
    <message>
        <source>Printing lever: print only (down), or print and punch the tape (up).</source>
        <translation>Рычаг печати: только печать (вниз) или печать и перфорация ленты (вверх).</translation>
    </message>
    <message>
        <source>Mode wheel: click its levers.</source>
        <translation>Переключатель режимов: щёлкайте по его рычагам.</translation>
    </message>
    <message>
        <source>Register switch: letters, mixed or figures (Q417-3MN, Q417-3MR). Encipher in letters.</source>
        <translation>Переключатель регистров: буквы, смешанный или цифры (Q417-3MN, Q417-3MR). Шифруйте в буквенном.</translation>
    </message>
    <message>
        <source>Language lever: Latin or Russian print (Q-417M).</source>
        <translation>Рычаг языка: латинская или русская печать (Q-417M).</translation>
    </message>
    <message>
        <source>Module switch: the ten-key figures or the thirty-letter alphabet. Point at it, then click its middle.</source>
        <translation>Переключатель модуля: десятиклавишный цифровой или тридцатибуквенный алфавит. Наведите на него указатель и щёлкните посередине.</translation>
    </message>
    <message>
        <source>Counter: the groups of five characters, and the characters of the group begun.</source>
        <translation>Счётчик: группы по пять знаков и знаки начатой группы.</translation>
    </message>
    <message>
        <source>Counter lever: sets the counter back to zero.</source>
        <translation>Рычаг счётчика: сбрасывает счётчик на ноль.</translation>
    </message>
    <message>
        <source>Load a text for the start key to type.</source>
        <translation>Загрузить текст, который напечатает клавиша пуска.</translation>
    </message>
    <message>
        <source>Step the highlight one character on (left half) or back (right half), without typing.</source>
        <translation>Сдвинуть выделение на знак вперёд (левая половина) или назад (правая), не печатая.</translation>
    </message>
    <message>
        <source>Text loader: the name of the loaded text.</source>
        <translation>Загрузчик текста: имя загруженного текста.</translation>
    </message>
    <message>
        <source>Start: the machine types the loaded text, up to an asterisk or the end.</source>
        <translation>Пуск: машина печатает загруженный текст до звёздочки или до конца.</translation>
    </message>
    <message>
        <source>Stop the run.</source>
        <translation>Остановить работу.</translation>
    </message>
    <message>
        <source>The key Й is refused while enciphering: the space is enciphered on its contact.</source>
        <translation>Клавиша Й при зашифровании не работает: на её контакте шифруется пробел.</translation>
    </message>
    <message>
        <source>Keys: click them or type on your keyboard, at the same places. The blue keys are the ten-key alphabet&apos;s figures.</source>
        <translation>Клавиши: щёлкайте по ним или печатайте на своей клавиатуре на тех же местах. Синие клавиши — цифры десятиклавишного алфавита.</translation>
    </message>
    <message>
        <source>Space bar: refused while deciphering and with the ten-key alphabet.</source>
        <translation>Клавиша пробела: не работает при расшифровании и с десятиклавишным алфавитом.</translation>
    </message>
    <message>
        <source>Turn this rotor one letter back (the mouse wheel turns it too).</source>
        <translation>Повернуть ротор на одну букву назад (его поворачивает и колёсико мыши).</translation>
    </message>
    <message>
        <source>Rotor window: the letter at the arrow is the rotor&apos;s position. Click to open the machine.</source>
        <translation>Окно ротора: буква у стрелки — положение ротора. Щелчок открывает машину.</translation>
    </message>
    <message>
        <source>Turn this rotor one letter on (the mouse wheel turns it too).</source>
        <translation>Повернуть ротор на одну букву вперёд (его поворачивает и колёсико мыши).</translation>
    </message>
    <message>
        <source>Reflector: turns the current back through the rotors. Click its window to open the machine.</source>
        <translation>Отражатель: возвращает ток обратно через роторы. Щелчок по его окну открывает машину.</translation>
    </message>
    <message>
        <source>Reflector: turns the current back through the rotors.</source>
        <translation>Отражатель: возвращает ток обратно через роторы.</translation>
    </message>
    <message>
        <source>Entry plate: joins the key card to the rotors. Click its window to open the machine.</source>
        <translation>Входная пластина: соединяет ключевую карту с роторами. Щелчок по её окну открывает машину.</translation>
    </message>
    <message>
        <source>Entry plate: joins the key card to the rotors.</source>
        <translation>Входная пластина: соединяет ключевую карту с роторами.</translation>
    </message>
    <message>
        <source>Cover of the two empty places of the Q417-3MR. Click its window to open the machine.</source>
        <translation>Крышка двух пустых мест Q417-3MR. Щелчок по её окну открывает машину.</translation>
    </message>
    <message>
        <source>Close the machine (the key table must be complete).</source>
        <translation>Закрыть машину (ключевая таблица должна быть заполнена).</translation>
    </message>
    <message>
        <source>Take the rightmost rotor out of the stack.</source>
        <translation>Вынуть крайний правый ротор из пакета.</translation>
    </message>
    <message>
        <source>Close the machine.</source>
        <translation>Закрыть машину.</translation>
    </message>
    <message>
        <source>Stack: click an empty place to put the rotor built on the face view in.</source>
        <translation>Пакет роторов: щёлкните по пустому месту, чтобы вставить ротор, собранный на виде сверху.</translation>
    </message>
    <message>
        <source>Rotor body with its stepping pins: click to take it and build a rotor on it.</source>
        <translation>Корпус ротора со штифтами шагания: щёлкните, чтобы взять его и собрать на нём ротор.</translation>
    </message>
    <message>
        <source>Wiring core: click to put it into the body on the face view.</source>
        <translation>Вставка с проводкой: щёлкните, чтобы вставить её в корпус на виде сверху.</translation>
    </message>
    <message>
        <source>Centre: give this rotor up; its body and core go back.</source>
        <translation>Центр: разобрать ротор; корпус и вставка возвращаются на место.</translation>
    </message>
    <message>
        <source>Core: click to turn it over (side 1 or 2).</source>
        <translation>Вставка: щёлкните, чтобы перевернуть её (сторона 1 или 2).</translation>
    </message>
    <message>
        <source>Core setting: click the right half to lower it, the left half to raise it.</source>
        <translation>Установка вставки: правая половина уменьшает её, левая — увеличивает.</translation>
    </message>
    <message>
        <source>Ring setting: click the right half to lower it, the left half to raise it.</source>
        <translation>Установка кольца: правая половина уменьшает её, левая — увеличивает.</translation>
    </message>
    <message>
        <source>Face view of the rotor being built.</source>
        <translation>Вид сверху на собираемый ротор.</translation>
    </message>
    <message>
        <source>Row 1, body: which body (А to К) stands in each slot, slot 1 on the left.</source>
        <translation>Строка 1, корпус: какой корпус (А–К) стоит в каждом гнезде; гнездо 1 слева.</translation>
    </message>
    <message>
        <source>Row 2, ring setting: where the alphabet ring is set on the body (А to Й).</source>
        <translation>Строка 2, установка кольца: как буквенное кольцо установлено на корпусе (А–Й).</translation>
    </message>
    <message>
        <source>Row 3, core: which wiring core (А to К) is in the body.</source>
        <translation>Строка 3, вставка: какая вставка с проводкой (А–К) стоит в корпусе.</translation>
    </message>
    <message>
        <source>Row 4, side: 1 for the core put in normally, 2 for turned over.</source>
        <translation>Строка 4, сторона: 1 — вставка стоит прямо, 2 — перевёрнута.</translation>
    </message>
    <message>
        <source>Row 5, core setting: where the core is set in the body (А to Й).</source>
        <translation>Строка 5, установка вставки: как вставка установлена в корпусе (А–Й).</translation>
    </message>
    <message>
        <source>Key card: a hole joins a row to a column. Punch one hole in every row and every column.</source>
        <translation>Ключевая карта: отверстие соединяет строку со столбцом. Пробейте по одному отверстию в каждой строке и каждом столбце.</translation>
    </message>
    <message>
        <source>Load a key file: card and key table. Each rotor is put at its body number.</source>
        <translation>Загрузить файл ключа: карту и ключевую таблицу. Каждый ротор ставится на номер своего корпуса.</translation>
    </message>
    <message>
        <source>Save the card and the key table in a key file. The rotors&apos; positions are not saved.</source>
        <translation>Сохранить карту и ключевую таблицу в файл ключа. Положения роторов не сохраняются.</translation>
    </message>
    <message>
        <source>Open the punch card.</source>
        <translation>Открыть перфокарту.</translation>
    </message>
    <message>
        <source>Set the basic key: slot 1 body and core А, slot 2 Б and so on, every setting А.</source>
        <translation>Установить базовый ключ: в гнезде 1 корпус и вставка А, в гнезде 2 — Б и так далее, все установки А.</translation>
    </message>
    <message>
        <source>Take every rotor out and clear the key table.</source>
        <translation>Вынуть все роторы и очистить ключевую таблицу.</translation>
    </message>
    <message>
        <source>Make a random key table and card. Each rotor is put at its body number.</source>
        <translation>Создать случайную ключевую таблицу и карту. Каждый ротор ставится на номер своего корпуса.</translation>
    </message>
    <message>
        <source>Paper tape: what the machine printed. A click feeds a blank; the right button saves the tape as a picture.</source>
        <translation>Бумажная лента: что напечатала машина. Щелчок протягивает пустую клетку; правая кнопка сохраняет ленту как картинку.</translation>
    </message>
    <message>
        <source>Punched tape: every printed character in five tracks, while the printing lever is up. The right button saves it as a picture.</source>
        <translation>Перфолента: каждый напечатанный знак пятью дорожками, пока поднят рычаг перфорации. Правая кнопка сохраняет её как картинку.</translation>
    </message>
</context>
<context>
    <name>KeyBox</name>
    <message>
        <source>Key table </source>
        <translation>Ключевая таблица </translation>
    </message>
    <message>
        <source>Q417-M key table and punch card (*.key)</source>
        <translation>Ключевая таблица и перфокарта Q417-M (*.key)</translation>
    </message>
    <message>
        <source>load key</source>
        <translation>загрузить ключ</translation>
    </message>
    <message>
        <source>save key</source>
        <translation>сохранить ключ</translation>
    </message>
    <message>
        <source>punch card</source>
        <translation>перфокарта</translation>
    </message>
    <message>
        <source>set Base position</source>
        <translation>установить базовый ключ</translation>
    </message>
    <message>
        <source>Base position</source>
        <translation>базовый ключ</translation>
    </message>
    <message>
        <source>clear key table</source>
        <translation>очистить ключевую таблицу</translation>
    </message>
    <message>
        <source>clear table</source>
        <translation>очистить</translation>
    </message>
    <message>
        <source>generate random key</source>
        <translation>создать случайный ключ</translation>
    </message>
    <message>
        <source>random key</source>
        <translation>случайный ключ</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>body</source>
        <translation>корпус</translation>
    </message>
    <message>
        <source>ring
setting</source>
        <translation>установка
кольца</translation>
    </message>
    <message>
        <source>core</source>
        <translation>вставка</translation>
    </message>
    <message>
        <source>side</source>
        <translation>сторона</translation>
    </message>
    <message>
        <source>core
setting</source>
        <translation>установка
вставки</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The tape could not be made into a picture.</source>
        <translation>Не удалось сделать картинку из ленты.</translation>
    </message>
    <message>
        <source>Save the punched tape as a picture...</source>
        <translation>Сохранить перфоленту как картинку...</translation>
    </message>
    <message>
        <source>Save the paper tape as a picture...</source>
        <translation>Сохранить бумажную ленту как картинку...</translation>
    </message>
    <message>
        <source>save the tape as a picture</source>
        <translation>сохранить ленту как картинку</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Картинка PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>Model</name>
    <message>
        <source>Close the machine before changing the model.</source>
        <translation>Сначала закройте машину, затем меняйте модель.</translation>
    </message>
    <message>
        <source>The Q-417M has only the thirty-contact alphabet.</source>
        <translation>У Q-417M есть только тридцатиконтактный алфавит.</translation>
    </message>
    <message>
        <source>The Q-417M has only the Russian alphabet plug.</source>
        <translation>У Q-417M есть только вилка русского алфавита.</translation>
    </message>
    <message>
        <source>The machine is running: stop it before stepping.</source>
        <translation>Машина работает: остановите её, прежде чем идти по шагам.</translation>
    </message>
    <message>
        <source>Close the machine before stepping through a text.</source>
        <translation>Закройте машину, прежде чем идти по тексту шагами.</translation>
    </message>
    <message>
        <source>There is no text to step through: load one first.</source>
        <translation>Нет текста для пошагового ввода: сначала загрузите текст.</translation>
    </message>
    <message>
        <source>The step reached an asterisk, which ends the part of the text to feed.</source>
        <translation>Шаг дошёл до звёздочки: на ней кончается часть текста для ввода.</translation>
    </message>
    <message>
        <source>The end of the text was reached: it is used up.</source>
        <translation>Достигнут конец текста: он весь введён.</translation>
    </message>
    <message>
        <source>The run was stopped: the texts hold %1 characters, as many as the machine keeps. Everything typed so far is kept; save the output text and clear the texts to go on.</source>
        <translation>Работа остановлена: в текстах %1 знаков — столько, сколько машина хранит. Всё напечатанное сохранено; чтобы продолжить, сохраните выходной текст и очистите тексты.</translation>
    </message>
    <message>
        <source>A rotor is being assembled: put it into the stack or give it up first.</source>
        <translation>Идёт сборка ротора: сначала вставьте его в пакет или разберите.</translation>
    </message>
    <message>
        <source>Slot %1 has no rotor: the machine closes only with every slot filled.</source>
        <translation>В гнезде %1 нет ротора: машина закрывается, только когда заняты все гнёзда.</translation>
    </message>
    <message>
        <source>The key table is not valid.</source>
        <translation>Ключевая таблица неверна.</translation>
    </message>
    <message>
        <source>Cannot load file &quot;%1&quot;. %2</source>
        <translation>Не удалось загрузить файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Не удалось прочитать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Не удалось записать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удалось создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удалось открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot take the settings file&apos;s lock &quot;%1&quot;. %2</source>
        <translation>Не удалось заблокировать файл настроек через «%1». %2</translation>
    </message>
    <message>
        <source>It is a link, and a lock is never taken through a link.</source>
        <translation>Это ссылка, а блокировка через ссылку не ставится.</translation>
    </message>
    <message>
        <source>Another program is writing it.</source>
        <translation>Её сейчас записывает другая программа.</translation>
    </message>
    <message>
        <source>It is open for reading only.</source>
        <translation>Он открыт только для чтения.</translation>
    </message>
    <message>
        <source>Every free name is taken.</source>
        <translation>Все свободные имена заняты.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket)</source>
        <translation>Это не обычный файл (канал, устройство или сокет)</translation>
    </message>
    <message>
        <source>It is a link made by another user in a folder that every user may write to, and such a link is not followed.</source>
        <translation>Это ссылка, созданная другим пользователем в общей для записи папке, а по таким ссылкам программа не переходит.</translation>
    </message>
    <message>
        <source>No program reads from the pipe.</source>
        <translation>Из канала не читает ни одна программа.</translation>
    </message>
    <message>
        <source>It has no name in any folder (a deleted file).</source>
        <translation>У него нет имени ни в одной папке (файл удалён).</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, which does not exist, and no file is made through a link.</source>
        <translation>Это ссылка на «%1», которого нет, а через ссылку файл не создаётся.</translation>
    </message>
    <message>
        <source>No new file can be made in its folder (%1).</source>
        <translation>В его папке нельзя создать новый файл (%1).</translation>
    </message>
    <message>
        <source>It is larger than %1, the largest text file that is read.</source>
        <translation>Он больше %1, а текстовые файлы большего размера не читаются.</translation>
    </message>
    <message>
        <source>It is larger than %1, the largest settings file that is read.</source>
        <translation>Он больше %1, а файлы настроек большего размера не читаются.</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 МиБ</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 КиБ</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 байт</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Invalid file format.</source>
        <translation>Неверный формат файла.</translation>
    </message>
    <message>
        <source>Invalid punch card: row %1 has column %2 (columns are 1 to 30)</source>
        <translation>Неверная перфокарта: в строке %1 указан столбец %2 (столбцы — от 1 до 30)</translation>
    </message>
    <message>
        <source>Invalid punch card: rows %1 and %2 are both punched in column %3</source>
        <translation>Неверная перфокарта: строки %1 и %2 пробиты в одном столбце %3</translation>
    </message>
    <message>
        <source>the text is not well-formed UTF-8</source>
        <translation>текст не является правильным UTF-8</translation>
    </message>
    <message>
        <source>Windows-1251 has no byte for %1 character: %2</source>
        <translation>В кодировке Windows-1251 нет байта для %1 знака: %2</translation>
    </message>
    <message>
        <source>Windows-1251 has no byte for %1 characters: %2</source>
        <translation>В кодировке Windows-1251 нет байтов для знаков (%1): %2</translation>
    </message>
    <message>
        <source>U+%1 at line %2, column %3</source>
        <translation>U+%1 в строке %2, позиция %3</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, and no copy of it could be made, so it was left as it is and the settings were not saved. %2</source>
        <translation>Файл настроек «%1» повреждён, а его копию сделать не удалось, поэтому он оставлен как есть и настройки не сохранены. %2</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. It was kept as &quot;%2&quot;, but the settings could not be written to a fresh file. %3</source>
        <translation>Файл настроек «%1» был повреждён. Он сохранён как «%2», но записать настройки в новый файл не удалось. %3</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. It was kept as &quot;%2&quot;, and the settings were written to a fresh file.</source>
        <translation>Файл настроек «%1» был повреждён. Он сохранён как «%2», а настройки записаны в новый файл.</translation>
    </message>
    <message>
        <source>The settings could not be saved. %1</source>
        <translation>Настройки не удалось сохранить. %1</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged, so the language was not kept in it.</source>
        <translation>Файл настроек «%1» повреждён, поэтому язык в нём не сохранён.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>A rotor is being put together on the work table: insert it or give it up, then save.</source>
        <translation>На рабочем столе собирается ротор: вставьте его или отложите, затем сохраняйте.</translation>
    </message>
    <message>
        <source>The open machine could not be closed as it stands. %1</source>
        <translation>Открытую машину нельзя закрыть в таком виде. %1</translation>
    </message>
    <message>
        <source>The machine is running: stop it before taking a key press back.</source>
        <translation>Машина работает: остановите её, прежде чем отменять нажатие.</translation>
    </message>
    <message>
        <source>The machine is running: stop it before bringing a key press back.</source>
        <translation>Машина работает: остановите её, прежде чем возвращать нажатие.</translation>
    </message>
    <message>
        <source>There is no key press to take back.</source>
        <translation>Нет нажатия, которое можно отменить.</translation>
    </message>
    <message>
        <source>There is no key press to bring back.</source>
        <translation>Нет нажатия, которое можно вернуть.</translation>
    </message>
    <message>
        <source>The machine was changed by hand since its last key press, so that key press can no longer be taken back.</source>
        <translation>После последнего нажатия машину меняли вручную, поэтому это нажатие больше нельзя отменить.</translation>
    </message>
    <message>
        <source>The machine was changed by hand since the key press was taken back, so it can no longer be brought back.</source>
        <translation>После отмены нажатия машину меняли вручную, поэтому его больше нельзя вернуть.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>about</source>
        <translation>о программе</translation>
    </message>
    <message>
        <source> Rotor series </source>
        <translation>Серия роторов</translation>
    </message>
    <message>
        <source>3K (Polish)</source>
        <translation>3K (пол.)</translation>
    </message>
    <message>
        <source>4K (German)</source>
        <translation>4K (нем.)</translation>
    </message>
    <message>
        <source>6K (Czech)</source>
        <translation>6K (чеш.)</translation>
    </message>
    <message>
        <source> Keyboard </source>
        <translation> Клавиатура </translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкая</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польская</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешская</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русская</translation>
    </message>
    <message>
        <source> Liter wheel </source>
        <translation> Печать </translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source> MODULE </source>
        <translation> МОДУЛЬ </translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>The language of the program&apos;s words. Auto follows the desktop&apos;s language. A change takes effect at the next start.</source>
        <translation>Язык надписей программы. «Авто» — язык рабочего стола. Новый выбор действует со следующего запуска.</translation>
    </message>
    <message>
        <source>Latin</source>
        <comment>print wheel</comment>
        <translation>Латиница</translation>
    </message>
    <message>
        <source>Russian</source>
        <comment>print wheel</comment>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>The new language takes effect at the next start.</source>
        <translation>Новый язык начнёт действовать со следующего запуска.</translation>
    </message>
</context>
<context>
    <name>SignalPath</name>
    <message>
        <source>Signal path</source>
        <translation>Путь сигнала</translation>
    </message>
    <message>
        <source>step</source>
        <translation>шаг</translation>
    </message>
    <message>
        <source>Type the next character of the loaded text (F3).</source>
        <translation>Напечатать следующий знак загруженного текста (F3).</translation>
    </message>
    <message>
        <source>space</source>
        <translation>пробел</translation>
    </message>
    <message>
        <source>Press a key: its path through the machine is drawn here.</source>
        <translation>Нажмите клавишу: здесь появится её путь через машину.</translation>
    </message>
    <message>
        <source>key %1 (%2)</source>
        <translation>клавиша %1 (%2)</translation>
    </message>
    <message>
        <source> → %1: register shift, nothing printed</source>
        <translation> → %1: смена регистра, ничего не печатается</translation>
    </message>
    <message>
        <source> → no signal (0), prints %1</source>
        <translation> → нет сигнала (0), печатается %1</translation>
    </message>
    <message>
        <source> → prints %1 (%2)</source>
        <translation> → печатается %1 (%2)</translation>
    </message>
    <message>
        <source>, loops %1/%2</source>
        <translation>, петли %1/%2</translation>
    </message>
    <message>
        <source>, not through the rotors</source>
        <translation>, мимо роторов</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>вход</translation>
    </message>
    <message>
        <source>card</source>
        <translation>карта</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>клав.</translation>
    </message>
    <message>
        <source>key</source>
        <translation>клав.</translation>
    </message>
    <message>
        <source>to the reflector</source>
        <translation>к отражателю</translation>
    </message>
    <message>
        <source>back</source>
        <translation>обратно</translation>
    </message>
    <message>
        <source>loop-back wiring</source>
        <translation>обратная петля</translation>
    </message>
    <message>
        <source>reflector</source>
        <translation>отражатель</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>гнездо</translation>
    </message>
    <message>
        <source>body</source>
        <translation>корпус</translation>
    </message>
    <message>
        <source>ring</source>
        <translation>кольцо</translation>
    </message>
    <message>
        <source>core</source>
        <translation>вставка</translation>
    </message>
    <message>
        <source>side</source>
        <translation>сторона</translation>
    </message>
    <message>
        <source>core set</source>
        <translation>уст. вставки</translation>
    </message>
    <message>
        <source>position</source>
        <translation>положение</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Output text</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Input text</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>load text</source>
        <translation>загрузить текст</translation>
    </message>
    <message>
        <source>save text</source>
        <translation>сохранить текст</translation>
    </message>
    <message>
        <source>select font</source>
        <translation>выбрать шрифт</translation>
    </message>
    <message>
        <source>clear text</source>
        <translation>очистить текст</translation>
    </message>
    <message>
        <source>text file (*.txt)</source>
        <translation>текстовый файл (*.txt)</translation>
    </message>
    <message>
        <source>save the machine as it stands: settings, key, rotors, counter, tapes and texts (Ctrl+S)</source>
        <translation>сохранить машину как есть: настройки, ключ, роторы, счётчик, ленты и тексты (Ctrl+S)</translation>
    </message>
    <message>
        <source>open a saved machine and go on where it was left (Ctrl+O)</source>
        <translation>открыть сохранённую машину и продолжить с того места (Ctrl+O)</translation>
    </message>
    <message>
        <source>The machine was not saved. %1</source>
        <translation>Машина не сохранена. %1</translation>
    </message>
    <message>
        <source>save the machine</source>
        <translation>сохранить машину</translation>
    </message>
    <message>
        <source>machine state (*.q417)</source>
        <translation>состояние машины (*.q417)</translation>
    </message>
    <message>
        <source>open a saved machine</source>
        <translation>открыть сохранённую машину</translation>
    </message>
    <message>
        <source>The machine state file &quot;%1&quot; was not opened, and the machine is as it was: %2.</source>
        <translation>Файл состояния машины «%1» не открыт, машина осталась как была: %2.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Unknown error.</source>
        <translation>Неизвестная ошибка.</translation>
    </message>
    <message>
        <source>The language could not be kept. There is no home folder to keep the settings in (HOME is not set).</source>
        <translation>Язык не удалось сохранить: нет домашней папки для настроек (переменная HOME не задана).</translation>
    </message>
    <message>
        <source>The settings could not be saved. There is no home folder to keep them in (HOME is not set).</source>
        <translation>Настройки не удалось сохранить: нет домашней папки, где их хранить (переменная HOME не задана).</translation>
    </message>
</context>
</TS>
