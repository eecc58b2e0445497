<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>Der Befehl zum Starten des Webbrowsers wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>Die Ausgabe %1 wird nicht verwendet: Der Dateiname ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>Die Ausgabe %1 wird nicht verwendet: Der Dateiname enthält ein Pfadzeichen</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>Mintgrün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>Mittelgrau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>Aktiver Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>Inaktiver Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>Fensterrahmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>Menütext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>Fenstertext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>Titeltext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>Aktiver Rahmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>Inaktiver Rahmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>Markierter Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>Schaltfläche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>Schatten (Schaltfl.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>Grauer Text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>Text (Schaltfl.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>Inakt. Titeltext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>Licht (Schaltfl.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>3D-Dunkelschatten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>3D-Licht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>Infotext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>Infohintergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>Verlauf akt. Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>Verlauf inakt. Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>Menümarkierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream: Zu wenige Bytes im Quelldatenstrom</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>Ungültige Datei %1: %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>Ungültige Datei %1: falsche Signatur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>Ungültige Datei %1: falsche Version</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>Ungültige Datei %1: Der Dateikopf nennt %2 Spiele, mehr als die Datei enthält</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>Spielindex %1 außerhalb des gültigen Bereichs (%2 Spiele)</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>Nicht genug Speicher für eine große Zahl</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>Division durch null bei einer großen Zahl</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>Potenzieren einer großen Zahl fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>MD5-Prüfsumme nicht verfügbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>Berechnung der MD5-Prüfsumme fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>Ungültiger RSA-Schlüssel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>Ungültiger asymmetrischer Schlüssel</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>Ungültige Schlüssellänge für RSASSA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>Ungültiger öffentlicher RSA-Schlüssel</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>Ungültiges Dateiformat</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>AES-Verschlüsselung nicht verfügbar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>AES-Verschlüsselung fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>Verschlüsselungsmodus nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>Ungültiger Signaturschlüssel angefordert</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>Lesefehler im Datenstrom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>Schreibfehler im Datenstrom</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>Positionierfehler im Datenstrom</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>Protokolldatei: Zeile %1 enthält eine Zahl an falscher Stelle</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>Protokolldatei: Zeile %1 enthält zu wenige Zahlen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>Protokolldatei: Die Prüfsumme passt nicht zum Inhalt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>Protokolldatei: Dies ist keine Protokolldatei dieses Programms</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>Protokolldatei: Zeile %1 gehört zu keinem Spiel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>Protokolldatei: Spiel %1 ist doppelt eingetragen</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>Problem mit der Datei GAMES.DAT. Erwartet: %1 Ausgaben, %2 Spiele; gefunden: %3 und %4</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>Problem mit der Datei GAMES.DAT. %1 Spiele sollten geschrieben werden, geschrieben wurden %2</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>Ungültige Datei %1: Die Spielnummern darin sind die der auf diesem Computer erstellten Spiele</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 ist keine Ausgabedatei (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>Die Ausgabe %1 wird nicht hinzugefügt: Eine Ausgabe dieses Namens wurde mit dem Spiel geliefert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>Die Ausgabe %1 wird nicht hinzugefügt: In %2 liegt bereits eine Ausgabe dieses Namens</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>Die Ausgabe %1 wird nicht hinzugefügt: Ausgabe Nr. %2 ist bereits als %3 aufgeführt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>Die Ausgabe %1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>In der Spieleliste sind keine Ausgaben aufgeführt</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>In der Spieleliste sind keine Spiele aufgeführt</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>Spiel %1 ist nicht in der Spieleliste aufgeführt, und die erste Ausgabe enthält keine Spiele</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>Ungültiger Dateiname „%1“ einer Ausgabe in der Spieleliste</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>Die Ausgabe %1 hat sich geändert, seit ihre Spiele aufgeführt wurden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>Ungültige Datei %1: Spiel %2 steht nicht dort, wo die Spieleliste es angibt</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>Anordnung %1 hat keine Verknüpfungen: Rätsel der Stufe „%2“ sind damit nicht möglich</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>Generator: Anordnung %1 mit Startwert %2 ergab eine Pyramide ohne eindeutige Lösung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>Generator: kein Rätsel der Stufe „%1“ für Anordnung %2 in %3 Versuchen (Startwert %4)</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>Das Erstellen der Pyramide wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>Spiel %1 gehört nicht zu den auf diesem Computer erstellten Spielen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>Die beschädigte Datei %1 kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>Für neue Spiele sind keine Spielnummern mehr frei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>Das neue Spiel kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>Die Prüfsumme der auf diesem Computer erstellten Spiele konnte nicht berechnet werden</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>falsches Datensatzformat</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>falsche Kennung für den Neuaufbau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>nicht die Ausgabe der erstellten Spiele</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>Spielnummer %1 gehört zu keinem erstellten Spiel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>unbekannte Anordnungsart %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>falsche Datenstromart</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>falsche Größe des Rätseldatenstroms</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>Rätsel %1 enthält eine falsche Ziffer oder Vorgabekennung</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>Ungültige Datei %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>keine Datei mit auf diesem Computer erstellten Spielen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>beschädigt (die Prüfsumme stimmt nicht)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>falsche Version</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>Spiel %1 ist abgeschnitten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>Spiel %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>Spielnummer %1 ist doppelt aufgeführt oder wurde nie vergeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>überzählige Bytes nach dem letzten Spiel</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>Positionierfehler im Datenstrom</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>Unbekannte Anordnungsart %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>Fehler bei den Kandidaten</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>Die PDF-Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>Der PDF-Datei konnte keine weitere Seite hinzugefügt werden</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>Die PDF-Datei ist unvollständig: Ein Teil des Hefts wurde abgebrochen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>Die PDF-Datei hat keine Seiten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>Die PDF-Datei konnte nicht fertiggestellt werden</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>Ein Rückgängig-Eintrag nennt ein Feld, eine Ziffer oder eine Marke, die es in keinem Rätsel gibt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>Ein Zwischenstand nennt eine Zahl von Einträgen, die kein Rätsel hat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>Ein zu wiederholender Eintrag nennt ein Feld, eine Ziffer oder eine Marke, die es in keinem Rätsel gibt</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>Ungültiger Text der Einträge: Feld %1 fehlt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>Ungültiger Text der Einträge: Feld %1 ist keine Zahl</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>Ungültiger Text der Notizen: Feld %1 fehlt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>Ungültiger Text der Notizen: Feld %1 ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>Rätseldatenstrom zu kurz: Datensatz %1 von %2 (%3) hat %4 von %5 Bytes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>Rätseldatenstrom, Datensatz %1 (%2): Die Lösungsziffer %3 in Feld %4 liegt nicht zwischen 1 und 9</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>Der Drucker meldet keine Auflösung, daher kann das Heft nicht gesetzt werden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>Das Heft passt nicht auf die Druckerseite von %1 × %2 Zoll. Bitte wählen Sie das Papierformat A4 oder Letter.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>Heftdruck: Die Pyramide hat kein Rätsel %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>Haupträtsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>Teilrätsel %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>Bitte legen Sie die Blätter für die zweite Seite erneut ein</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>Der Druck auf „%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>Der Drucker „%1“ hat beim Drucken einen Fehler gemeldet</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>Der Drucker „%1“ konnte keine neue Seite beginnen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>Wiederherstellungsdatei: Die Datei endet vor der Zeile „%1“</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>Wiederherstellungsdatei: Die letzte Zeile hat kein Zeilenende</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>Wiederherstellungsdatei: Zeile %1 ist zu lang</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>Wiederherstellungsdatei: Zeile %1 ist nicht die erwartete Zeile „%2“</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>Wiederherstellungsdatei: Zeile %1 enthält eine Zahl an falscher Stelle</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>Wiederherstellungsdatei: Zeile %1 enthält zu wenige Zahlen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>Wiederherstellungsdatei: Zeile %1 enthält zu viele Zahlen</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>Wiederherstellungsdatei: Am Ende fehlt die Prüfsumme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>Wiederherstellungsdatei: Die Prüfsumme passt nicht zum Inhalt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>Wiederherstellungsdatei: Dies ist keine Wiederherstellungsdatei dieses Programms</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>Wiederherstellungsdatei: Ein Verlauf ist ungeordnet oder zu lang</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>Wiederherstellungsdatei: Die Datei enthält keinen Verlauf eines Rätsels</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>Wiederherstellungsdatei: Die Datei enthält die Verläufe von %1 Rätseln für eine Pyramide aus %2 Rätseln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>Wiederherstellungsdatei: Das angezeigte Teilrätsel gehört nicht zur Pyramide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>Wiederherstellungsdatei: Das Rätsel, auf das die Befehle wirken, gehört nicht zur Pyramide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>Wiederherstellungsdatei: Die Einträge gehören zu einem anderen Spiel</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1 (die Datei ist schreibgeschützt)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>Gespeichertes Spiel: Es wurden mehr Zeilen verlangt, als die Datei enthält</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>Gespeichertes Spiel: Zeile %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>Gespeichertes Spiel: Die erste Zeile nennt kein Spiel</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>Gespeichertes Spiel: Zeile %1 ist keine Wertezeile</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>Für Anordnung %1 wurde keine Lösung der Pyramide gefunden</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
Das gespeicherte Spiel „%2“ konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Spielstände von Tavrel Sudoku (*.sav)|*.sav|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>Einträge speichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>Gespeicherte Einträge öffnen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>Möchten Sie Ihren aktuellen Lösungsstand speichern?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>Das Spiel kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>Das gespeicherte Spiel gehört zu Spiel %1 der Ausgabe %2, das die Spieleliste nicht enthält</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>Heft als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>PDF-Dateien (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>vorgegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>eingetragen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>falsch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>Feld des Schritts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>Einheit des Schritts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>erster Fehler</translation>
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
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Hilfe zu Tavrel Sudoku</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>Alle bisherigen Einträge stimmen mit der Lösung überein.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>Ihr erster falscher Eintrag: %1. Danach folgte noch 1 Eintrag.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>Ihr erster falscher Eintrag: %1. Danach folgten noch %2 Einträge.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>1 Eintrag zurückgenommen: der falsche (%1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>%1 Einträge zurückgenommen, bis einschließlich des ersten falschen (%2).</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>Haupträtsel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>Teilrätsel %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>verknüpft mit %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>%1 eingetragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>, ebenso in %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>Notiz %1 hinzugefügt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>Notizen %1 hinzugefügt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>Notiz %1 gestrichen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>Notizen %1 gestrichen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>nichts zu wiederholen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>nichts rückgängig zu machen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>%1 erneut gelöscht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>%1 zurückgenommen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>%1 erneut eingetragen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>%1 wiederhergestellt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>Notizen erneut gesetzt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>Notizen zurückgenommen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>wiederholt: %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>rückgängig gemacht: %1, %2</translation>
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
        <translation>Teilrätsel %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>Neue Pyramide wird erstellt...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>Neue Pyramide</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>Die neue Pyramide konnte nicht erstellt werden:
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>Die neue Pyramide konnte nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>Das auf diesem Computer erstellte Spiel „%1“ löschen? Es lässt sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>Das Spiel konnte nicht gelöscht werden:
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>TRecordKeeper</name>
    <message>
        <location filename="../game/ui/RecordKeeper.cpp" line="+28"/>
        <source>MMM dd</source>
        <extracomment>The form of a day in the record of a game (&quot;Dec 08&quot;), as QDate::toString reads it.</extracomment>
        <translation>dd. MMM</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Records file: it is larger than any record of games</source>
        <translation>Protokolldatei: Die Datei ist größer als jedes Spielprotokoll</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>Protokolldatei: Die Datei konnte nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>Ihr Spielprotokoll in %1 ist beschädigt und wurde als %2 beiseitegelegt; ein neues Protokoll beginnt: %3</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>Gelöst am %1 in %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>Begonnen am %1, %2 gespielt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>, 1 Schritt gezeigt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>, %1 Schritte gezeigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>, 1 Schritt ausgeführt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>, %1 Schritte ausgeführt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>, Lösungsbefehle benutzt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>Das Spielprotokoll kann nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>Wiederherstellungsdatei: Die Datei ist größer als die jedes Spiels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>Wiederherstellungsdatei: Die Datei konnte nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>Die Wiederherstellungsdatei %1 ist beschädigt und wurde entfernt: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>Das Spiel „%1“ wurde nicht ordnungsgemäß beendet. Möchten Sie es mit dem Stand von %2 fortsetzen?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>Das Spiel kann nicht in %1 gesichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei. Die Einstellungen werden weder daraus gelesen noch darin gespeichert.</translation>
    </message>
</context>
<context>
    <name>TSettingsValues</name>
    <message>
        <location filename="../game/model/SettingsValues.h" line="+21"/>
        <source>Scanning</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinned</source>
        <translation>Festgelegt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>Vollständige Folge 1–9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Nackte Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Versteckte Paare</translation>
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
        <translation>Haupträtsel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>Teilrätsel %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>Haupträtsel, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>Teilrätsel %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>Block %1</translation>
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
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>In %1 könnte eine %2 stehen, doch das Partnerfeld (%3: %4) schließt das aus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>In %1 könnte eine %2 stehen, doch die Partnerfelder (%3: %4) schließen das aus.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>Streichen Sie die %1 aus %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1 und das Partnerfeld (%2: %3) lassen zusammen nur die %4 zu (%5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1 muss eine %2 sein: Es ist die einzige Ziffer, die in dieses Feld passt (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1 muss eine %2 sein: Es ist das einzige Feld von %3, in das die %2 passt (%4).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1 (samt Partnerfeld, %2: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>%1: %2 und %3 können nur %4 enthalten, daher kann kein anderes Feld von %5 eine %6 enthalten (%7).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>%1: In %5 passen die Ziffern %2 nur in %3 und %4, daher können diese beiden Felder keine andere Ziffer enthalten (%6).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>ein Schritt nach der Methode „%1“</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>ein Schritt nach der Methode „%1“ mit Hilfe des Partnerfelds (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>ein Schritt nach der Methode „%1“ mit Hilfe der Partnerfelder (%2)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>Die Lösungsmethoden finden ausgehend von diesen Einträgen keinen weiteren Schritt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>Alle Felder sind ausgefüllt: Es bleibt kein Schritt mehr.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>Einer der Einträge ist falsch; solange er nicht zurückgenommen ist, lässt sich daraus kein Schritt ableiten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1 enthält eine %2, die nicht der Lösung entspricht: Nehmen Sie sie vor dem nächsten Schritt zurück.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>%1: Hier findet sich %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>%2, %1: Hier findet sich %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>%1 und %2: %3.</translation>
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
        <translation>Haupträtsel, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>Teilrätsel %1, %2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>Über Tavrel Sudoku</translation>
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
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>Ein auf diesem Computer erstelltes Spiel löschen</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>started</source>
        <translation>begonnen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../game/ui/QVMainCommands.cpp" line="+91"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>Spiel &amp;wählen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>&amp;Neue Pyramide...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>&amp;Ausgabe hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>Gespeichertes Spiel &amp;laden...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>Heft als &amp;PDF speichern...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>Zurück bis vor den &amp;Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>&amp;Zwischenstand setzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>Z&amp;urück zum Zwischenstand</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>&amp;Auto-Kandidaten (verknüpft)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>Auto-Kandidaten (&amp;getrennt)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>&amp;Eigene Notizen (verknüpft)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>Eigene &amp;Notizen (getrennt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>Notizen aus&amp;blenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>&amp;Kandidaten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>Ge&amp;füllt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>&amp;Spielzeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Verk&amp;leinern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>&amp;Markierungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>Nur &amp;Teilrätsel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>Nur &amp;Haupträtsel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Both</source>
        <translation>&amp;Beide</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+101"/>
        <source>&amp;Child</source>
        <translation>&amp;Teilrätsel</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>Teilrätsel &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>&amp;Klick im Haupträtsel wählt Teilrätsel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>Ebene &amp;1 (oben)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>Ebene &amp;2 (unten)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>&amp;Rätsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>Teilrätsel &amp;zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>&amp;Alle zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>&amp;Haupträtsel zurücksetzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>Nä&amp;chster Schritt</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>Schritt a&amp;usführen</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>Ersten &amp;Fehler zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>&amp;Teilrätsel lösen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>Alle Te&amp;ilrätsel lösen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>Hau&amp;pträtsel lösen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>Ta&amp;vrel lösen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>Spielhilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Website von Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Über Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>Eintragen: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>Streichen: </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>Notieren: </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>&amp;Eintragen</translation>
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
        <translation>Löschen (&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>&amp;Notieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>&amp;Streichen</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>&amp;Markieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>&amp;%1er</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>&amp;Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>Keine (&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>Mit diesen LEDs können Sie das Teilrätsel wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>Mit diesen Balken können Sie das Teilrätsel wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>Hier wählen Sie die Ziffer</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1: alle lösen</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>Registerkarte %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>Ziffern des Haupträtsels</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>Ziffern des Teilrätsels</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>Klick wählt Teilrätsel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>Eintragen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>Eintragen: löschen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>Notieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>Streichen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>Paare markieren</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>Klick im Haupträtsel wählt Teilrätsel: ein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>Klick im Haupträtsel wählt Teilrätsel: aus</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>Ziffer %1: 1 Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>Ziffer %1: %2 Zeilen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1: %2 von %3 eingetragen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>Ganze Pyramide</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>Rätsel gelöst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>Leider ist Ihre Lösung nicht richtig.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>Haupträtsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>Teilrätsel %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;Es wurden keine Spiele gefunden.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku sucht seine Ausgaben (*.ISS) im Ordner&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Fügen Sie sie mit „Ausgabe hinzufügen...“ im Menü Datei hinzu, oder legen Sie sie dort ab und starten Sie das Spiel neu.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>Das Rätsel kann nicht gelesen werden – bitte wenden Sie sich wegen Ihrer Spieldateien an Tavrel Sudoku
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>Ausgabe hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Ausgaben von Tavrel Sudoku (*.ISS)|*.ISS;*.iss|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>%1 wurde mit %2 Spielen hinzugefügt; „Spiel wählen...“ zeigt sie an.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>Bitte prüfen Sie Ihre Installation und ob es eine neuere Version gibt.
Bitte teilen Sie uns diese Fehlermeldung mit.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>Mittelfelder</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>Neun getrennt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>Blockmitten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>Gleiche Stellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>Stellendiagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>Neun weitere</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>Ein Teilrätsel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>Mittelblöcke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>Gleiche Blöcke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>Zeilen zu Diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>Zeilen zu Spalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>Spalten zu Diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>Spalten zu Zeilen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>Singles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Nackte Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Versteckte Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>Verknüpfte Singles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>Verknüpfte nackte Paare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>Verknüpfte versteckte Paare</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>Neue Pyramide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>H&amp;ilfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>Lö&amp;sen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>Per Klick eintragen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>Ein Mausklick trägt die Ziffer ein, wenn nur noch eine möglich ist. (Eigene Notizen zählen dabei nicht.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>LEDs zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>Schaltet die LEDs ein oder aus, die fast vollständige Ziffern anzeigen. Mit ihnen lässt sich auch das Teilrätsel wählen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>Fortschritt zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>Markierte Ziffer auch zum Eintragen wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>Markierte Ziffer auch zum Streichen wählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>Hinweise im Hauptfenster zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>Glückwunsch nach gelöstem Spiel zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>Das Spiel verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>S&amp;prache:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>wo zu suchen ist</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>die Einheit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>das Feld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>den ganzen Schritt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>Nächster Schritt zeigt zuerst:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>Streichen der Lösung aus den Auto-Kandidaten verhindern  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> Fehlerhafte Einträge </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>&amp;Ungültige Einträge hervorheben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>&amp;Falsche Einträge hervorheben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>Ungültige haben &amp;Vorrang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>Diese Einstellung hilft etwas weniger als der Vorrang für falsche Einträge.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>Falsche haben Vo&amp;rrang</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>Notizen nur im ausgewählten Feld</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> Zu verwendende Methoden </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>Eigenes</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> Vordergrund </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>&amp;Vorgabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>Ungü&amp;ltiger Eintrag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>&amp;Falscher Eintrag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>Aus&amp;gewähltes Feld</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> LEDs </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>A&amp;us</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>&amp;8 Einträge vorhanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>&amp;9 Einträge vorhanden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> Hintergrund </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>N&amp;ormales Feld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>Ver&amp;knüpftes Feld</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> Markierungen </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>Sch&amp;rift</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>Hin&amp;tergrund</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>Sche&amp;ma</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>Eigene Farbe...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>Lösungszeiten nach Stufe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1: %2 gelöst, Median %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>Noch kein Spiel gelöst</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| Median</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>Medianzeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>Ohne Hilfe</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>Nach &amp;Stufe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>Nach &amp;Ausgabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>Auf diesem Computer erstellt</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>Andere Spiele</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>Es sind keine Spiele aufgeführt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>Sie haben %1 von %2 Spielen gelöst, %3 davon ohne Hilfe.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
</TS>
