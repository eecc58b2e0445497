<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>Не удаётся найти команду запуска веб-браузера</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>Файл выпуска %1 не используется: его имя длиннее допустимого (символов: %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>Файл выпуска %1 не используется: его имя содержит символ пути</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>Мятный</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>Небесно-голубой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>Кремовый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>Средне-серый</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>Полоса прокрутки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>Активный заголовок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>Неакт. заголовок</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>Рамка окна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>Текст меню</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>Текст окна</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>Текст заголовка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>Активная граница</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>Неакт. граница</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>Рабочая область</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>Выделенный текст</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>Фон кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>Тень кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>Серый текст</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>Текст кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>Текст неакт. загол.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>Блик кнопки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>Тёмная тень 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>Свет 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>Текст подсказки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>Фон подсказки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>Гиперссылка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>Градиент акт. загол.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>Градиент неакт. загол.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>Выделение меню</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>Строка меню</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream: в исходном потоке недостаточно байтов</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>Недопустимый файл %1 — %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>Недопустимый файл %1 — неверная подпись</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>Недопустимый файл %1 — неверная версия</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>Недопустимый файл %1 — число игр в заголовке (%2) больше, чем содержит файл</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>Номер игры %1 вне допустимого диапазона (всего игр: %2)</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>Недостаточно памяти для большого числа</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>Деление на ноль в большом числе</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>Не удалось возвести большое число в степень</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>Хеш MD5 недоступен</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>Не удалось вычислить хеш MD5</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>Недопустимый ключ RSA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>Недопустимый асимметричный ключ</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>Недопустимый размер ключа для RSASSA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>Недопустимый открытый ключ RSA</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>Недопустимый формат файла</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>Шифр AES недоступен</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>Ошибка шифра AES</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>Режим шифра не поддерживается</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>Запрошен недопустимый ключ подписи</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>Ошибка записи потока</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>Не удаётся открыть файл «%1»: это не обычный файл</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Не удаётся создать файл «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Не удаётся открыть файл «%1»</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>Ошибка позиционирования в потоке</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>Файл журнала игр: в строке %1 число стоит не на своём месте</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>Файл журнала игр: в строке %1 слишком мало чисел</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>Файл журнала игр: контрольная сумма не совпадает с содержимым</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>Файл журнала игр: это не файл журнала игр этой программы</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>Файл журнала игр: строка %1 не описывает игру</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>Файл журнала игр: игра %1 записана дважды</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>Проблема с файлом GAMES.DAT. Ожидалось выпусков: %1, игр: %2; найдено: %3 и %4</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>Проблема с файлом GAMES.DAT. Нужно было записать игр: %1; записано: %2</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>Недопустимый файл %1 — его номера совпадают с номерами игр, созданных на этом компьютере</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 не является файлом выпуска (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>Файл выпуска %1 не добавлен: файл выпуска с таким именем входит в комплект игры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>Файл выпуска %1 не добавлен: файл выпуска с таким именем уже есть в %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>Файл выпуска %1 не добавлен: его выпуск %2 уже есть в списке как %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>Не удалось скопировать файл выпуска %1 в %2: %3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>В файле игр нет ни одного выпуска</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>В файле игр нет ни одной игры</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>Игры %1 нет в файле игр, а в её первом выпуске нет игр</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>Недопустимое имя файла выпуска «%1» в файле игр</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>Файл выпуска %1 изменился после того, как его игры были внесены в список</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>Недопустимый файл %1 — игра %2 находится не там, где указано в файле игр</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>В схеме %1 нет связей: головоломки сложности «%2» невозможны</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>Генератор: схема %1 с начальным числом %2 дала пирамиду без единственного решения</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>Генератор: не найдена головоломка сложности «%1» для схемы %2 (попыток: %3, начальное число %4)</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>Создание пирамиды отменено</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>Игра %1 не входит в число игр, созданных на этом компьютере</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>Не удаётся отложить повреждённый файл %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>Номера для новых игр закончились</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>Не удаётся сохранить новую игру: %1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>Не удалось вычислить контрольную сумму игр, созданных на этом компьютере</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>неверный формат записи</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>неверный флаг перестроения</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>это не выпуск созданной игры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>номер игры %1 не принадлежит созданной игре</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>неизвестный тип схемы %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>неверный вид потока</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>неверный размер потока поля</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>поле %1 содержит неверную цифру или неверный признак исходной цифры</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>Недопустимый файл %1 — %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>это не файл игр, созданных на этом компьютере</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>повреждён (контрольная сумма не совпадает)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>Неверная версия</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>игра %1 обрывается</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>игра %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>номер игры %1 встречается дважды или никогда не выдавался</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>лишние байты после последней игры</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>Ошибка позиционирования в потоке</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>Неизвестный тип схемы %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>Ошибка возможных значений</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>Не удалось начать файл PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>Не удалось добавить в файл PDF ещё одну страницу</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>Файл PDF не завершён: часть буклета была прервана</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>В файле PDF нет страниц</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>Не удалось завершить файл PDF</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>Запись отмены указывает клетку, цифру или отметку, которых нет ни в одном поле</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>Контрольная точка хранит число записей, которого нет ни в одном поле</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>Значение для повтора указывает клетку, цифру или отметку, которых нет ни в одном поле</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>Недопустимый текст цифр: нет клетки %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>Недопустимый текст цифр: клетка %1 — не число</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>Недопустимый текст пометок: нет клетки %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>Недопустимый текст пометок: клетка %1 — не число</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>Поток поля слишком короткий: в записи %1 из %2 (%3) байтов %4 из %5</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>Запись потока поля %1 (%2): цифра решения %3 в клетке %4 не от 1 до 9</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>Принтер не сообщает разрешение, поэтому буклет нельзя разметить</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>Буклет не помещается на странице принтера размером %1 x %2 дюйма. Выберите бумагу A4 или Letter.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>Печать буклета: в пирамиде нет поля %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>Главное поле</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>Дочернее поле %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>Снова вставьте листы для печати второй стороны</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>Не удалось начать печать на «%1»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>Принтер «%1» сообщил об ошибке во время печати</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>Принтеру «%1» не удалось начать новую страницу</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>Файл восстановления: он заканчивается раньше строки «%1»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>Файл восстановления: у его последней строки нет конца</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>Файл восстановления: строка %1 слишком длинная</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>Файл восстановления: строка %1 — не строка «%2»</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>Файл восстановления: в строке %1 число стоит не на своём месте</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>Файл восстановления: в строке %1 слишком мало чисел</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>Файл восстановления: в строке %1 слишком много чисел</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>Файл восстановления: в конце нет контрольной суммы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>Файл восстановления: контрольная сумма не совпадает с содержимым</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>Файл восстановления: это не файл восстановления этой программы</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>Файл восстановления: история нарушена или слишком длинная</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>Файл восстановления: в нём нет истории ни одного поля</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>Файл восстановления: историй полей в нём: %1, а полей в пирамиде: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>Файл восстановления: показанное дочернее поле не принадлежит пирамиде</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>Файл восстановления: поле, к которому относятся команды, не принадлежит пирамиде</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>Файл восстановления: его цифры относятся к другой игре</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1 (файл доступен только для чтения)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>Сохранённая игра: запрошено больше строк, чем есть в файле</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>Сохранённая игра: строка %1 превышает предел длины (%2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>Сохранённая игра: в первой строке не указана игра</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>Сохранённая игра: строка %1 — не строка значений</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>Не найдено решение пирамиды для схемы %1</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
Не удалось загрузить сохранённую игру «%2».</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Сохранённые игры Tavrel Sudoku (*.sav)|*.sav|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>Сохранить введённые цифры</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>Открыть сохранённые цифры</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>Сохранить текущее решение?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>Не удаётся сохранить игру в %1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>Сохранённая игра относится к игре %1 выпуска %2, которой нет в списке игр</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>Сохранить буклет в PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>Файлы PDF (*.pdf)|*.pdf|Все файлы (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>Столбец %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>исходная</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>введённая</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>недопустимая</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>неверная</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>пустая</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>пометки %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>клетка шага</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>область шага</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>первая ошибка</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, %2</source>
        <extracomment>Joins the parts of a square&apos;s spoken description.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Row %1, column %2: %3</source>
        <extracomment>A square as a screen reader speaks it: its row, its column and what it holds.</extracomment>
        <translation>Строка %1, столбец %2: %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Справка Tavrel Sudoku</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>Содержание (&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>Назад (&amp;B)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>Вперёд (&amp;F)</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>Все введённые цифры совпадают с решением.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>Первая неверная цифра: %1; после неё введена ещё 1 цифра.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>Первая неверная цифра: %1; цифр, введённых после неё: %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>Отменена 1 цифра — та самая неверная: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>Отменено цифр: %1, включая первую неверную: %2.</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>главное поле</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>дочернее поле %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1, строка %2, столбец %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>связана с: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>введена цифра %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>стёрта цифра %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>, а также: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>добавлена пометка %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>добавлены пометки %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>стёрта пометка %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>стёрты пометки %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>нечего повторять</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>нечего отменять</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>снова стёрта цифра %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>убрана цифра %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>снова введена цифра %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>возвращена цифра %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>снова поставлены пометки</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>убраны пометки</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>повтор: %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>отмена: %1, %2</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+51"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Child %1</source>
        <translation>Дочернее поле %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>Создание новой пирамиды...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>Новая пирамида</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>Не удалось создать новую пирамиду:
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>Не удалось сохранить новую пирамиду:
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>Удалить игру «%1», созданную на этом компьютере? Восстановить её будет нельзя.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>Не удалось удалить игру:
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>Время игры</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>TRecordKeeper</name>
    <message>
        <location filename="../game/ui/RecordKeeper.cpp" line="+28"/>
        <source>MMM dd</source>
        <extracomment>The form of a day in the record of a game (&quot;Dec 08&quot;), as QDate::toString reads it.</extracomment>
        <translation>d MMM</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Records file: it is larger than any record of games</source>
        <translation>Файл журнала игр: он больше любого журнала игр</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>Файл журнала игр: не удалось прочитать его целиком</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>Журнал ваших игр в %1 повреждён и отложен под именем %2; начат новый журнал: %3</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>Решена %1 за %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>Начата %1, время игры %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>, показан 1 шаг</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>, показано шагов: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>, выполнен 1 шаг</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>, выполнено шагов: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>, использовались команды решения</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>Не удаётся вести журнал игр в %1: %2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>Файл восстановления: он больше, чем бывает у любой игры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>Файл восстановления: не удалось прочитать его целиком</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>Файл восстановления %1 повреждён и удалён: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>Игра «%1» была закрыта некорректно. Продолжить её с момента %2?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>Не удаётся сохранять состояние игры в %1: %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>Файл настроек %1 не является обычным файлом. Настройки не читаются из него и не сохраняются в нём.</translation>
    </message>
</context>
<context>
    <name>TSettingsValues</name>
    <message>
        <location filename="../game/model/SettingsValues.h" line="+21"/>
        <source>Scanning</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinned</source>
        <translation>Единственное место</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>Дополнение до 1-9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Открытые пары</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Скрытые пары</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XWings</source>
        <translation>X-Wing</translation>
    </message>
</context>
<context>
    <name>TStepWords</name>
    <message>
        <location filename="../game/ui/StepWords.cpp" line="+15"/>
        <source>the parent</source>
        <extracomment>A puzzle named inside a sentence (&quot;its partner in the parent&quot;).</extracomment>
        <translation>главного поля</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>дочернего поля %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>Главное поле, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>Дочернее поле %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>строки %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>столбца %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>блока %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1; %2</source>
        <extracomment>Joins all but the last two items of a list: &quot;1, 2&quot; (of &quot;1, 2 and 9&quot;).</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>%1: в этой клетке могла бы стоять цифра %2, если бы не связанная с ней клетка %3 (%4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>%1: в этих клетках могла бы стоять цифра %2, если бы не связанные с ними клетки %3 (%4).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>Исключите %1 из кандидатов: %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1: эта клетка вместе со связанной клеткой %2 (%3) оставляет только цифру %4 (%5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1: здесь должна стоять цифра %2 — единственная, возможная в этой клетке (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1: здесь должна стоять цифра %2 — других клеток для неё в пределах %3 нет (%4).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1 (вместе со связанной клеткой %2, %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>Две клетки %1 — %2 и %3 — могут содержать только %4, поэтому ни в одной другой клетке %5 не может быть %6 (%7).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>Цифры %2 могут стоять только в двух клетках %5 %1: %3 и %4. Значит, других цифр в этих клетках быть не может (%6).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>шаг методом «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>шаг методом «%1» с помощью связанной клетки %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>шаг методом «%1» с помощью связанных клеток %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>Методы решения не находят следующего шага для введённых цифр.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>Все клетки заполнены: шагов больше не осталось.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>Одна из введённых цифр неверна, поэтому следующего шага не будет, пока вы её не уберёте.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1: цифра %2 здесь неверна — уберите её перед следующим шагом.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>Ищите в пределах %1: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>Ищите в пределах %1 %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>%1 и %2: %3.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2.</source>
        <extracomment>%1 a square, %2 the kind of step.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the parent&apos;s %1</source>
        <extracomment>%1 a place (&quot;row 3, column 5&quot;), inside a sentence.</extracomment>
        <translation>главное поле, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>дочернее поле %1, %2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmChoosePuzzle</name>
    <message>
        <location filename="../game/ui/ChoosePuzzle.cpp" line="+73"/>
        <source>Choose Game</source>
        <translation>Выбор игры</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>Уда&amp;лить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>Удалить игру, созданную на этом компьютере</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>решена</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>started</source>
        <translation>начата</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../game/ui/QVMainCommands.cpp" line="+91"/>
        <source>&amp;File</source>
        <translation>Файл (&amp;F)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>Выбрать игру (&amp;G)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>Новая пирамида (&amp;N)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>Добавить файл выпуска (&amp;I)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>Статистика (&amp;T)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>Загрузить сохранённую игру (&amp;L)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>Сохранить (&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Сохранить как (&amp;A)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>Печать (&amp;P)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>Сохранить буклет в PDF (&amp;D)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>Параметры страницы</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>Настройки (&amp;E)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>Выход (&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>Правка (&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>Отменить (&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>Повторить (&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>Отменить до ошибки (&amp;M)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>Контрольная точка (&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>Вернуться к контрольной точке (&amp;N)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>Вид (&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>Автопометки, связанные (&amp;A)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>Автопометки, раздельные (&amp;P)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>Свои пометки, связанные (&amp;U)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>Свои пометки, раздельные (&amp;M)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>Скрыть пометки (&amp;H)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>Кандидаты (&amp;C)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>Исключённые (&amp;F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>Таймер (&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>Пауза (&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>Увеличить (&amp;I)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Уменьшить (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>Реальный размер (&amp;Z)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>Подсветка (&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>Только дочернее поле (&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>Только главное поле (&amp;P)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Both</source>
        <translation>Оба поля (&amp;B)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+101"/>
        <source>&amp;Child</source>
        <translation>Дочернее поле (&amp;C)</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>Дочернее поле &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>Щелчок по главному полю выбирает дочернее (&amp;P)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>Ярус 1, верхний (&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>Ярус 2, нижний (&amp;B)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>Головоломка (&amp;Z)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>Сбросить дочернее поле (&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>Сбросить все поля (&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>Сбросить главное поле (&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>Следующий шаг (&amp;N)</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>Выполнить шаг (&amp;Y)</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>Показать первую ошибку (&amp;M)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>Решить дочернее поле (&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>Решить дочерние поля (&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>Решить главное поле (&amp;E)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>Решить Tavrel (&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Справка (&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>Справка по игре</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Сайт Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>Ввести </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>Стереть </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>Пометить </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>Ввод (&amp;E)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <location line="+3"/>
        <source>&amp;%1</source>
        <translation>&amp;%1</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Clear (&amp;0)</source>
        <translation>Очистить (&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>Метки (&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>Ластик (&amp;S)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>Маркер (&amp;L)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>Цифра &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>Пары (&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>Нет (&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>Щелчком по индикатору можно выбрать дочернее поле</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>Щелчком по полосе можно выбрать дочернее поле</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>Этот параметр задаёт цифру</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>Сбр.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1: отпустить все</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>вкладка %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>Цифры главного поля</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>Цифры дочернего поля</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>Щелчок выбирает поле</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>Ввод: удалить</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>Метки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>Маркер</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>Маркер: пары</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>Следующий шаг</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>Щелчок по главному полю выбирает дочернее: включено</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>Щелчок по главному полю выбирает дочернее: выключено</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>Цифра %1: в 1 строке</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>Цифра %1: в %2 строках</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1: введено %2 из %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>Вся пирамида</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>Поздравляем</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>Головоломка решена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>К сожалению, решение неверно.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>Главное поле</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>Дочернее поле %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;Игры не найдены.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku ищет файлы выпусков (*.ISS) в папке&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Добавьте их командой «Добавить файл выпуска...» в меню «Файл» или поместите их туда и снова запустите игру.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>Не удаётся прочитать головоломку — обратитесь в Tavrel Sudoku по поводу файлов игры
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>Добавить файл выпуска</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Файлы выпусков Tavrel Sudoku (*.ISS)|*.ISS;*.iss|Все файлы (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>Добавлено «%1», игр: %2; они есть в списке «Выбрать игру...».</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>Проверьте установку программы. Проверьте также, не вышло ли обновление.
Сообщите нам об этой ошибке.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>Любая схема</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>Центры</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>Диагонали</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>Девять отдельных</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>Центры блоков</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>Те же места</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>Диагонали мест</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>Ещё девять</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>Одно дочернее</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>Центральные блоки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>Те же блоки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>Строки в диагонали</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>Строки в столбцы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>Столбцы в диагонали</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>Столбцы в строки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>Одиночки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Открытые пары</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Скрытые пары</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>Одиночки со связями</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>Открытые пары со связями</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>Скрытые пары со связями</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>Новая пирамида</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>Схема (&amp;L):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>Сложность (&amp;G):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>Справка (&amp;H)</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>Общие (&amp;G)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>Помощники (&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>Внешний вид (&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>Решение (&amp;D)</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>Ввод щелчком</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>Щелчок мышью вводит цифру, если в клетке осталась только одна возможная. (Пометки не учитываются.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>Индикаторы цифр</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>Включает и выключает индикаторы почти заполненных цифр. Ими также можно выбирать дочерние поля.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>Полосы прогресса</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>Подсветка задаёт цифру ввода</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>Подсветка задаёт цифру стирания</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>Подсказки в главном окне</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>Поздравление с решением</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>Выбранный язык будет использоваться со следующего запуска игры.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>Системный</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>Язык (&amp;L):</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>где искать</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>область</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>клетку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>весь шаг</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>Следующий шаг сначала показывает:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>Защищать верную цифру в автопометках  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> Ошибочные цифры </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>Выделять недопустимые (&amp;I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>Выделять неверные (&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>Приоритет недопустимых (&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>Этот вариант даёт чуть меньше помощи, чем приоритет неверных</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>Приоритет неверных (&amp;R)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>Пометки только в выбранной клетке</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> Методы решения </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>Классическая</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>Контрастная</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> Передний план </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>&amp;Исходная цифра</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>&amp;Введённая цифра</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>Недопустимая (&amp;I)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>Неверная (&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>Пометки (&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>Вы&amp;бранная клетка</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> Индикаторы </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>Выключен (&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>Введено &amp;8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>Введено &amp;9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> Фон </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>Обычная клетка (&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>Связанная клетка (&amp;L)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> Подсветка </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>Шрифт (&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>Фон (&amp;B)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>Схема (&amp;M)</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>Другой...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>Время решения по сложности</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1: решено %2, медиана %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>Пока не решено ни одной игры</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| медиана</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>Решено</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>Медиана</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>Без помощи</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>Выпуск</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>По сложности (&amp;G)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>По выпускам (&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>Справка (&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>Созданные на этом компьютере</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>Другие игры</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>Все игры</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>Список игр пуст.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>Решено игр: %1 из %2, из них без помощи: %3.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
</TS>
