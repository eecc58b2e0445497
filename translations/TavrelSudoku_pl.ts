<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>Nie można znaleźć polecenia uruchamiającego przeglądarkę internetową</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>Plik wydania %1 nie jest używany: jego nazwa przekracza limit znaków (%2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>Plik wydania %1 nie jest używany: jego nazwa zawiera znak ścieżki</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Fuksja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>Miętowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>Kremowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>Średnioszary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>Pasek przewijania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>Aktywny tytuł</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>Nieaktywny tytuł</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>Ramka okna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>Tekst menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>Tekst okna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>Tekst tytułu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>Aktywna krawędź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>Nieaktywna krawędź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>Obszar roboczy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>Zaznaczenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>Zaznaczony tekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>Tło przycisku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>Cień przycisku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>Szary tekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>Tekst przycisku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>Tekst nieakt. tytułu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>Światło przycisku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>Ciemny cień 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>Światło 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>Tekst podpowiedzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>Tło podpowiedzi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>Hiperłącze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>Gradient akt. tytułu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>Grad. nieakt. tytułu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>Zaznaczenie menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>Pasek menu</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream: za mało bajtów w strumieniu źródłowym</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>Nieprawidłowy plik %1 – %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>Nieprawidłowy plik %1 – błędny podpis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>Nieprawidłowy plik %1 – błędna wersja</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>Nieprawidłowy plik %1 – liczba gier w nagłówku (%2) przekracza zawartość pliku</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>Numer gry %1 spoza zakresu (liczba gier: %2)</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>Brak pamięci na dużą liczbę</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>Dzielenie przez zero w dużej liczbie</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>Potęgowanie dużej liczby nie powiodło się</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>Skrót MD5 jest niedostępny</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>Obliczenie skrótu MD5 nie powiodło się</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>Nieprawidłowy klucz RSA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>Nieprawidłowy klucz asymetryczny</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>Nieprawidłowy rozmiar klucza dla RSASSA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>Nieprawidłowy klucz publiczny RSA</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>Nieprawidłowy format pliku</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>Szyfr AES jest niedostępny</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>Szyfrowanie AES nie powiodło się</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>Nieobsługiwany tryb szyfru</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>Zażądano nieprawidłowego klucza podpisu</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>Błąd odczytu strumienia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>Błąd zapisu strumienia</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>Nie można otworzyć pliku „%1”: to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Nie można utworzyć pliku „%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Nie można otworzyć pliku „%1”</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>Błąd pozycjonowania w strumieniu</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>Plik historii gier: wiersz %1 zawiera liczbę nie na swoim miejscu</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>Plik historii gier: wiersz %1 zawiera za mało liczb</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>Plik historii gier: suma kontrolna nie zgadza się z zawartością</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>Plik historii gier: to nie jest plik historii gier tego programu</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>Plik historii gier: wiersz %1 nie opisuje gry</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>Plik historii gier: gra %1 występuje dwukrotnie</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>Problem z plikiem GAMES.DAT. Oczekiwano wydań: %1, gier: %2; znaleziono: %3 i %4</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>Problem z plikiem GAMES.DAT. Gier do zapisania: %1, zapisano: %2</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>Nieprawidłowy plik %1 – jego numery należą do gier utworzonych na tym komputerze</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 nie jest plikiem wydania (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>Nie dodano pliku wydania %1: plik wydania o tej nazwie został dostarczony z grą</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>Nie dodano pliku wydania %1: plik wydania o tej nazwie jest już w %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>Nie dodano pliku wydania %1: jego wydanie %2 jest już na liście jako %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>Nie udało się skopiować pliku wydania %1 do %2: %3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>Plik gier nie zawiera żadnych wydań</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>Plik gier nie zawiera żadnych gier</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>Gry %1 nie ma w pliku gier, a jej pierwsze wydanie nie zawiera gier</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>Nieprawidłowa nazwa pliku wydania „%1” w pliku gier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>Plik wydania %1 zmienił się od czasu zapisania listy jego gier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>Nieprawidłowy plik %1 – gra %2 nie znajduje się tam, gdzie wskazuje plik gier</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>Układ %1 nie ma połączeń: brak diagramów poziomu „%2”</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>Generator: układ %1 z ziarnem %2 dał piramidę bez jednoznacznego rozwiązania</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>Generator: brak diagramu poziomu „%1” dla układu %2 (prób: %3, ziarno %4)</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>Tworzenie piramidy zostało anulowane</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>Gra %1 nie należy do gier utworzonych na tym komputerze</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>Nie można odłożyć uszkodzonego pliku %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>Nie zostały już numery dla nowych gier</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>Nie można zachować nowej gry: %1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>Nie udało się obliczyć sumy kontrolnej gier utworzonych na tym komputerze</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>błędny format rekordu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>błędna flaga przebudowy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>to nie jest wydanie gry utworzonej na tym komputerze</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>numer gry %1 nie należy do gry utworzonej na tym komputerze</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>nieznany typ układu %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>błędny rodzaj strumienia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>błędny rozmiar strumienia diagramu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>diagram %1 zawiera błędną cyfrę lub flagę cyfry podanej</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>Nieprawidłowy plik %1 – %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>to nie jest plik gier utworzonych na tym komputerze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>uszkodzony (suma kontrolna się nie zgadza)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>Błędna wersja</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>gra %1 jest niekompletna</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>gra %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>numer gry %1 występuje dwukrotnie lub nigdy nie został przydzielony</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>bajty za ostatnią grą</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>Błąd pozycjonowania w strumieniu</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>Nieznany typ układu %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>Błąd możliwych cyfr</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>Nie udało się rozpocząć pliku PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>Nie udało się dodać kolejnej strony do pliku PDF</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>Plik PDF jest niekompletny: część zeszytu została porzucona</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>Plik PDF nie ma żadnych stron</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>Nie udało się dokończyć pliku PDF</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>Zapis cofania wskazuje pole, cyfrę lub znacznik, których nie ma żaden diagram</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>Punkt kontrolny zawiera liczbę zapisów, której nie ma żaden diagram</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>Wartość do ponowienia wskazuje pole, cyfrę lub znacznik, których nie ma żaden diagram</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>Nieprawidłowy tekst wpisów: brak pola %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>Nieprawidłowy tekst wpisów: pole %1 nie jest liczbą</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>Nieprawidłowy tekst notatek: brak pola %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>Nieprawidłowy tekst notatek: pole %1 nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>Strumień diagramu za krótki: rekord %1 z %2 (%3) ma bajtów: %4 z %5</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>Rekord strumienia diagramu %1 (%2): cyfra rozwiązania %3 w polu %4 nie mieści się w zakresie 1–9</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>Drukarka nie podaje rozdzielczości, więc nie można rozmieścić zeszytu</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>Zeszyt nie mieści się na stronie drukarki o wymiarach %1 x %2 cala. Wybierz papier A4 lub Letter.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>Drukowanie zeszytu: piramida nie ma diagramu %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>Diagram główny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>Diagram podrzędny %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>Włóż ponownie kartki, aby wydrukować drugą stronę</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>Nie udało się rozpocząć drukowania na „%1”</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>Drukarka „%1” zgłosiła błąd podczas drukowania</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>Drukarka „%1” nie mogła rozpocząć nowej strony</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>Plik odzyskiwania: kończy się przed wierszem „%1”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>Plik odzyskiwania: jego ostatni wiersz nie ma zakończenia</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>Plik odzyskiwania: wiersz %1 jest za długi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>Plik odzyskiwania: wiersz %1 nie jest wierszem „%2”</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>Plik odzyskiwania: wiersz %1 zawiera liczbę nie na swoim miejscu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>Plik odzyskiwania: wiersz %1 zawiera za mało liczb</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>Plik odzyskiwania: wiersz %1 zawiera za dużo liczb</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>Plik odzyskiwania: na końcu brak sumy kontrolnej</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>Plik odzyskiwania: suma kontrolna nie zgadza się z zawartością</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>Plik odzyskiwania: to nie jest plik odzyskiwania tego programu</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>Plik odzyskiwania: historia jest w złej kolejności lub za długa</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>Plik odzyskiwania: nie zawiera historii żadnego diagramu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>Plik odzyskiwania: zawiera historie diagramów w liczbie %1, a piramida ma ich %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>Plik odzyskiwania: pokazany diagram podrzędny nie należy do piramidy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>Plik odzyskiwania: diagram, na którym działają polecenia, nie należy do piramidy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>Plik odzyskiwania: jego wpisy pochodzą z innej gry</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1 (plik jest tylko do odczytu)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1” nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>Zapisana gra: zażądano więcej wierszy, niż zawiera plik</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>Zapisana gra: wiersz %1 przekracza limit znaków (%2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>Zapisana gra: pierwszy wiersz nie wskazuje żadnej gry</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>Zapisana gra: wiersz %1 nie jest wierszem wartości</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>Nie znaleziono rozwiązania piramidy dla układu %1</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
Nie udało się wczytać zapisanej gry „%2”.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Zapisane gry Tavrel Sudoku (*.sav)|*.sav|Wszystkie pliki (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>Zapisz wpisy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>Otwórz zapisane wpisy</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>Czy zapisać bieżące rozwiązanie?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>Nie można zapisać gry w %1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>Zapisana gra dotyczy gry %1 z wydania %2, której nie ma na liście gier</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>Zapisz zeszyt jako PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>Pliki PDF (*.pdf)|*.pdf|Wszystkie pliki (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>podana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>wpisana</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>sprzeczna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>błędna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>notatki %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>pole kroku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>obszar kroku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>pierwszy błąd</translation>
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
        <translation>Wiersz %1, kolumna %2: %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Pomoc Tavrel Sudoku</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>Wszystkie dotychczasowe wpisy zgadzają się z rozwiązaniem.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>Pierwszy błędny wpis: %1; po nim był jeszcze 1 wpis.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>Pierwszy błędny wpis: %1; kolejne wpisy po nim: %2.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>Cofnięto 1 wpis – ten błędny: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>Cofnięte wpisy: %1, w tym pierwszy błędny: %2.</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>diagram główny</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>diagram podrzędny %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1, wiersz %2, kolumna %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>połączone z: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>wpisano %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>usunięto %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>, także: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>dodano notatkę %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>dodano notatki %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>wymazano notatkę %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>wymazano notatki %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>nie ma czego ponowić</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>nie ma czego cofnąć</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>znów usunięto %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>usunięto %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>znów wpisano %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>przywrócono %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>znów dodano notatki</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>cofnięto notatki</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>ponowiono: %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>cofnięto: %1, %2</translation>
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
        <translation>Diagram podrzędny %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>Tworzenie nowej piramidy...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>Nowa piramida</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>Nie udało się utworzyć nowej piramidy:
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>Nie udało się zachować nowej piramidy:
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>Usunąć grę „%1” utworzoną na tym komputerze? Nie będzie można jej przywrócić.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>Nie udało się usunąć gry:
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
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
        <translation>Plik historii gier: jest większy niż jakakolwiek historia gier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>Plik historii gier: nie udało się odczytać go w całości</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>Historia gier w %1 jest uszkodzona i została odłożona jako %2; zaczyna się nowa historia: %3</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>Rozwiązano %1, czas %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>Rozpoczęto %1, czas gry %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>, pokazano 1 krok</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>, pokazane kroki: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>, wykonano 1 krok</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>, wykonane kroki: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>, użyto poleceń rozwiązywania</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>Nie można zapisywać historii gier w %1: %2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>Plik odzyskiwania: jest większy niż zapis jakiejkolwiek gry</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>Plik odzyskiwania: nie udało się odczytać go w całości</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>Plik odzyskiwania %1 jest uszkodzony i został usunięty: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>Gra „%1” nie została poprawnie zamknięta. Czy kontynuować ją od stanu z %2?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>Nie można zabezpieczać stanu gry w %1: %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>Plik ustawień %1 nie jest zwykłym plikiem. Ustawienia nie są z niego odczytywane ani w nim zapisywane.</translation>
    </message>
</context>
<context>
    <name>TSettingsValues</name>
    <message>
        <location filename="../game/model/SettingsValues.h" line="+21"/>
        <source>Scanning</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinned</source>
        <translation>Jedyne miejsce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>Dopełnienie ciągu 1-9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Nagie pary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Ukryte pary</translation>
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
        <translation>diagramu głównego</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>diagramu podrzędnego %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>Diagram główny, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>Diagram podrzędny %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>wiersza %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>kolumny %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>bloku %1</translation>
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
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>%1: to pole mogłoby zawierać %2, gdyby nie połączone z nim pole %3 (%4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>%1: te pola mogłyby zawierać %2, gdyby nie połączone z nimi pola %3 (%4).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>Usuń %1 z kandydatów: %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1: to pole razem z połączonym polem %2 (%3) dopuszcza tylko cyfrę %4 (%5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1: tu musi być %2 – to jedyna cyfra, jaka może stać w tym polu (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1: tu musi być %2 – to jedyne pole %3, w którym może stać %2 (%4).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1 (wraz z połączonym polem %2, %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>Dwa pola %1 – %2 oraz %3 – mogą zawierać tylko %4, więc w żadnym innym polu %5 nie może być %6 (%7).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>Cyfry %2 mogą stać tylko w dwóch polach %5 %1: %3 oraz %4. Zatem te dwa pola nie mogą zawierać innych cyfr (%6).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>krok metodą „%1”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>krok metodą „%1” z pomocą połączonego pola %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>krok metodą „%1” z pomocą połączonych pól %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>Metody rozwiązywania nie znajdują dalszego kroku przy obecnych wpisach.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>Wszystkie pola są wypełnione: nie ma już kolejnych kroków.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>Jeden z wpisów jest błędny – dopóki go nie cofniesz, nie da się wskazać kolejnego kroku.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1: wpisana cyfra %2 nie jest rozwiązaniem tego pola – cofnij ją przed następnym krokiem.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>Szukaj w obrębie %1: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>Szukaj w obrębie %1 %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>%1 oraz %2: %3.</translation>
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
        <translation>diagram główny, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>diagram podrzędny %1, %2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>O programie</translation>
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
        <translation>Wybór gry</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>Usuń grę utworzoną na tym komputerze</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>rozwiązana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>started</source>
        <translation>rozpoczęta</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../game/ui/QVMainCommands.cpp" line="+91"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>Wybierz &amp;grę...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>&amp;Nowa piramida...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>Dodaj plik w&amp;ydania...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatystyki...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>&amp;Wczytaj zapisaną grę...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>Zapisz zeszyt jako &amp;PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>Ustawienia strony</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>Cofnij do stanu sprzed &amp;błędu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>Punkt &amp;kontrolny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>Cofnij do p&amp;unktu kontrolnego</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>&amp;Auto-notatki (połączone)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>Auto-notatki (&amp;osobne)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>&amp;Własne notatki (połączone)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>Własne notatki (o&amp;sobne)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>&amp;Ukryj notatki</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>&amp;Kandydaci</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>W&amp;ykluczone</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>&amp;Zegar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>Pow&amp;iększ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>Rzeczywisty &amp;rozmiar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>Podświet&amp;lanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>Tylko diagram &amp;podrzędny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>Tylko diagram &amp;główny</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Both</source>
        <translation>&amp;Oba diagramy</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+101"/>
        <source>&amp;Child</source>
        <translation>Po&amp;drzędny</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>Podrzędny &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>Kliknięcie w diagram &amp;główny wybiera podrzędny</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>Piętro 1 (gó&amp;rne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>Piętro 2 (&amp;dolne)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>Łamigłów&amp;ka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>Wyczyść diagram &amp;podrzędny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>Wyczyść &amp;wszystkie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>Wyczyść diagram &amp;główny</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>&amp;Następny krok</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>Wy&amp;konaj krok</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>Pokaż pierwszy &amp;błąd</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>&amp;Rozwiąż diagram podrzędny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>Rozwiąż diagramy po&amp;drzędne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>Rozwiąż diagram główn&amp;y</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>Rozwiąż &amp;Tavrel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>Pomoc do gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Strona Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>Wpisz </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>Wymaż </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>Notuj </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>Wpi&amp;sz</translation>
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
        <translation>Wyczyść (&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>N&amp;otuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>Wy&amp;maż</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>Podświe&amp;tl</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>Cyfra &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>&amp;Pary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>Brak (&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>Tymi diodami można wybrać diagram podrzędny</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>Tymi paskami można wybrać diagram podrzędny</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>Ta opcja ustala cyfrę</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1: zwolnij wszystkie</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>karta %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>Cyfry diagramu głównego</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>Cyfry diagramu podrzędnego</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>Klik wybiera podrzędny</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>Wpisz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>Wpisz: usuń</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>Notuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>Wymaż</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>Podświetl</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>Podświetl pary</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>Następny krok</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>Kliknięcie w diagram główny wybiera podrzędny: włączone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>Kliknięcie w diagram główny wybiera podrzędny: wyłączone</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>Cyfra %1: w 1 wierszu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>Cyfra %1: w %2 wierszach</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1: wpisano %2 z %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>Cała piramida</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>Łamigłówka rozwiązana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>Niestety, rozwiązanie nie jest poprawne.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>Diagram główny</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>Diagram podrzędny %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;Nie znaleziono żadnych gier.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku szuka plików wydań (*.ISS) w folderze&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Dodaj je poleceniem „Dodaj plik wydania...” z menu Plik albo umieść je tam i uruchom grę ponownie.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>Nie można odczytać łamigłówki – skontaktuj się z Tavrel Sudoku w sprawie plików gry
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>Dodaj plik wydania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Pliki wydań Tavrel Sudoku (*.ISS)|*.ISS;*.iss|Wszystkie pliki (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>Dodano „%1” – liczba gier: %2; są na liście w oknie „Wybierz grę...”.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>Sprawdź instalację programu. Sprawdź też, czy jest dostępna aktualizacja.
Przekaż nam treść tego komunikatu o błędzie.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>Dowolny układ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>Środki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>Przekątne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>Dziewięć osobnych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>Środki bloków</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>Te same miejsca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>Przekątne miejsc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>Dziewięć dodatkowych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>Jeden podrzędny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>Bloki środkowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>Te same bloki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>Wiersze na przekątne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>Wiersze na kolumny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>Kolumny na przekątne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>Kolumny na wiersze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>Pojedyncze cyfry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Nagie pary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Ukryte pary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>Pojedyncze cyfry z połączeniami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>Nagie pary z połączeniami</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>Ukryte pary z połączeniami</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>Nowa piramida</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>&amp;Układ:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>Po&amp;ziom:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>&amp;Ogólne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>&amp;Ułatwienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>&amp;Wygląd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>&amp;Rozwiązywanie</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>Wpis kliknięciem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>Kliknięcie myszą wpisuje cyfrę, jeśli w polu została już tylko jedna możliwa. (Pomija notatki.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>Pokaż diody</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>Włącza lub wyłącza diody sygnalizujące prawie ukończone cyfry. Można nimi także wybierać diagramy podrzędne.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>Pokaż paski postępu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>Podświetlenie wybiera cyfrę do wpisania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>Podświetlenie wybiera cyfrę do wymazania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>Pokaż dymki podpowiedzi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>Pokaż gratulacje po rozwiązaniu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>Wybrany język będzie używany od następnego uruchomienia gry.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>Systemowy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>&amp;Język:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>gdzie szukać</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>obszar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>pole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>cały krok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>Następny krok pokazuje najpierw:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>Chroń cyfrę rozwiązania w auto-notatkach  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> Wpisy sprzeczne i błędne </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>Zaznaczaj wpisy &amp;sprzeczne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>Zaznaczaj wpisy &amp;błędne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>Pierwszeństwo sprze&amp;cznych</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>To ustawienie daje nieco mniej pomocy niż pierwszeństwo błędnych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>Pierwszeństwo błę&amp;dnych</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>Notatki tylko w zaznaczonym polu</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> Metody rozwiązywania </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>Kontrastowy</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> Pierwszy plan </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>Cyfra po&amp;dana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>Cyfra wpi&amp;sana</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>Wpis sprze&amp;czny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>Wpis &amp;błędny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>&amp;Notatki</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>&amp;Zaznaczone pole</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> Diody </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>Z&amp;gaszona</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>Wpisano &amp;8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>Wpisano &amp;9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> Tło </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>Zwykł&amp;e pole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>Połączone po&amp;le</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> Podświetlenie </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>Czc&amp;ionka</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>&amp;Tło</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>Sche&amp;mat</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>Czasy rozwiązania według poziomu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1: rozwiązane %2, mediana %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>Nie rozwiązano jeszcze żadnej gry</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| mediana</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>Rozwiązane</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>Bez pomocy</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>Wydanie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>Według po&amp;ziomu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>Według &amp;wydania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>Utworzone na tym komputerze</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>Inne gry</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>Wszystkie gry</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>Lista gier jest pusta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>Rozwiązane gry: %1 z %2, w tym bez pomocy: %3.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
</TS>
