<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>Er is geen opdracht gevonden om de webbrowser te starten</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>Uitgavebestand %1 wordt niet gebruikt: de naam is langer dan %2 tekens</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>Uitgavebestand %1 wordt niet gebruikt: de naam bevat een padteken</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Kastanjebruin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Olijfgroen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Marineblauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Paars</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>Blauwgroen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>Limoengroen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>Mintgroen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>Hemelsblauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>Middelgrijs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>Schuifbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>Actieve titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>Inactieve titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>Vensterkader</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>Menutekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>Venstertekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>Titeltekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>Actieve rand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>Inactieve rand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>Werkruimte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>Markering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>Gemarkeerde tekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>Knopvlak</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>Knopschaduw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>Grijze tekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>Knoptekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>Inact. titeltekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>Knoplicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>Donkere 3D-schaduw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>3D-licht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>Infotekst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>Info-achtergrond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>Verloop act. titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>Verloop inact. titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>Menumarkering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>Menubalk</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream: de bronstroom bevat te weinig bytes</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>Ongeldig bestand %1 - %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>Ongeldig bestand %1 - verkeerde handtekening</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>Ongeldig bestand %1 - verkeerde versie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>Ongeldig bestand %1 - volgens de kop bevat het %2 spellen, meer dan er in het bestand staan</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>Spelindex %1 valt buiten het bereik (%2 spellen)</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>Onvoldoende geheugen voor een groot getal</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>Deling door nul bij een groot getal</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>Machtsverheffen van een groot getal is mislukt</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>MD5-hashfunctie is niet beschikbaar</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>Berekenen van de MD5-hash is mislukt</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>Ongeldige RSA-sleutel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>Ongeldige asymmetrische sleutel</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>Ongeldige sleutelgrootte voor RSASSA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>Ongeldige openbare RSA-sleutel</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>Ongeldige bestandsindeling</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>AES-versleuteling is niet beschikbaar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>AES-versleuteling is mislukt</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>Deze versleutelingsmodus wordt niet ondersteund</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>Er is een ongeldige handtekeningsleutel gevraagd</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>Fout bij het lezen van de gegevensstroom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>Fout bij het schrijven van de gegevensstroom</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>Kan bestand &quot;%1&quot; niet openen: het is geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Kan bestand &quot;%1&quot; niet aanmaken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Kan bestand &quot;%1&quot; niet openen</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>Fout bij het zoeken in de gegevensstroom</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>Overzichtsbestand: regel %1 bevat een getal op een verkeerde plek</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>Overzichtsbestand: regel %1 bevat te weinig getallen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>Overzichtsbestand: de controlewaarde klopt niet met de inhoud</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>Overzichtsbestand: het is geen overzichtsbestand van dit programma</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>Overzichtsbestand: regel %1 hoort niet bij een spel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>Overzichtsbestand: spel %1 staat er twee keer in</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>Probleem met het bestand GAMES.DAT. Verwacht: %1 uitgaven, %2 spellen; gevonden: %3 en %4</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>Probleem met het bestand GAMES.DAT. Er moesten %1 spellen worden geschreven, maar het waren er %2</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>Ongeldig bestand %1 - de nummers zijn die van de spellen die op deze computer zijn gemaakt</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 is geen uitgavebestand (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>Uitgavebestand %1 is niet toegevoegd: er is al een uitgavebestand met die naam met het spel meegeleverd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>Uitgavebestand %1 is niet toegevoegd: er staat al een uitgavebestand met die naam in %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>Uitgavebestand %1 is niet toegevoegd: uitgave %2 ervan staat al in de lijst als %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>Uitgavebestand %1 kon niet naar %2 worden gekopieerd: %3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>Het spellenbestand bevat geen uitgaven</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>Het spellenbestand bevat geen spellen</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>Spel %1 staat niet in het spellenbestand en de eerste uitgave ervan bevat geen spellen</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>Ongeldige naam van uitgavebestand &quot;%1&quot; in het spellenbestand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>Uitgavebestand %1 is gewijzigd sinds de spellen ervan zijn opgenomen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>Ongeldig bestand %1 - spel %2 staat niet op de plek die het spellenbestand aangeeft</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>Indeling %1 heeft geen koppelingen: geen puzzels van niveau %2</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>Generator: indeling %1 met startwaarde %2 gaf een piramide zonder unieke oplossing</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>Generator: geen puzzel van niveau %1 voor indeling %2 binnen %3 pogingen (startwaarde %4)</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>Het maken van de piramide is geannuleerd</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>Spel %1 is geen van de spellen die op deze computer zijn gemaakt</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>Het beschadigde bestand %1 kan niet apart worden gezet: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>Er zijn geen spelnummers meer over voor nieuwe spellen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>Het nieuwe spel kan niet worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>De controlesom van de op deze computer gemaakte spellen kon niet worden berekend</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>verkeerde recordindeling</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>verkeerde herbouwvlag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>geen uitgave van een gemaakt spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>spelnummer %1 hoort niet bij een gemaakt spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>onbekend indelingstype %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>verkeerd soort gegevensstroom</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>verkeerde grootte van de puzzelgegevens</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>puzzel %1 bevat een verkeerd cijfer of een verkeerde markering voor gegeven cijfers</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>Ongeldig bestand %1 - %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>geen bestand met spellen die op deze computer zijn gemaakt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>beschadigd (de controlesom klopt niet)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>Verkeerde versie</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>spel %1 is afgebroken</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>spel %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>spelnummer %1 staat er twee keer in of is nooit uitgegeven</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>bytes na het laatste spel</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>Fout bij het zoeken in de gegevensstroom</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>Onbekend indelingstype %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>Fout in de mogelijkheden</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>Het PDF-bestand kon niet worden begonnen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>Er kon geen pagina meer aan het PDF-bestand worden toegevoegd</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>Het PDF-bestand is onvolledig: een deel van het boekje is afgebroken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>Het PDF-bestand heeft geen pagina&apos;s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>Het PDF-bestand kon niet worden voltooid</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>Een ongedaan-maakregistratie noemt een vakje, cijfer of stempel dat in geen enkele puzzel bestaat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>Een controlepunt bewaart een aantal registraties dat geen enkele puzzel heeft</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>Een opnieuw uit te voeren waarde noemt een vakje, cijfer of stempel dat in geen enkele puzzel bestaat</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>Ongeldige tekst met ingevulde cijfers: vakje %1 ontbreekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>Ongeldige tekst met ingevulde cijfers: vakje %1 is geen getal</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>Ongeldige tekst met potloodcijfers: vakje %1 ontbreekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>Ongeldige tekst met potloodcijfers: vakje %1 is geen getal</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>Puzzelgegevens te kort: record %1 van %2 (%3) heeft %4 van de %5 bytes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>Puzzelgegevens, record %1 (%2): oplossingscijfer %3 in vakje %4 ligt niet tussen 1 en 9</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>De printer geeft geen resolutie op, dus het boekje kan niet worden opgemaakt</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>Het boekje past niet op de pagina van de printer (%1 x %2 inch). Kies A4- of Letter-papier.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>Boekje afdrukken: de piramide heeft geen puzzel %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>Moederpuzzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>Dochterpuzzel %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>Leg de pagina&apos;s opnieuw in de printer om de achterkant te bedrukken</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>Afdrukken op &quot;%1&quot; kon niet worden gestart</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>De printer &quot;%1&quot; meldde een fout tijdens het afdrukken</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>De printer &quot;%1&quot; kon geen nieuwe pagina beginnen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>Herstelbestand: het eindigt vóór de regel &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>Herstelbestand: de laatste regel is niet afgesloten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>Herstelbestand: regel %1 is te lang</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>Herstelbestand: regel %1 is niet de regel &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>Herstelbestand: regel %1 bevat een getal op een verkeerde plek</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>Herstelbestand: regel %1 bevat te weinig getallen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>Herstelbestand: regel %1 bevat te veel getallen</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>Herstelbestand: aan het eind ontbreekt de controlewaarde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>Herstelbestand: de controlewaarde klopt niet met de inhoud</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>Herstelbestand: het is geen herstelbestand van dit programma</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>Herstelbestand: een geschiedenis staat in de verkeerde volgorde of is te lang</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>Herstelbestand: het bevat van geen enkele puzzel de geschiedenis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>Herstelbestand: het bevat de geschiedenis van %1 puzzels voor een piramide van %2 puzzels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>Herstelbestand: de getoonde dochter hoort niet bij de piramide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>Herstelbestand: de puzzel waarop de opdrachten werken, hoort niet bij de piramide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>Herstelbestand: de ingevulde cijfers horen bij een ander spel</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>Kan %1 niet schrijven: %2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1 (het bestand is alleen-lezen)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>Opgeslagen spel: er werden meer regels gevraagd dan het bestand bevat</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>Opgeslagen spel: regel %1 is langer dan %2 tekens</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>Opgeslagen spel: de eerste regel noemt geen spel</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>Opgeslagen spel: regel %1 is geen regel met cijfers</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>Geen oplossing voor de piramide gevonden bij indeling %1</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
Het opgeslagen spel &quot;%2&quot; kon niet worden geladen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Opgeslagen spellen van Tavrel Sudoku (*.sav)|*.sav|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>Spelstand opslaan</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>Opgeslagen spelstand openen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>Wil je je huidige oplossing opslaan?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>Het spel kan niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>Het opgeslagen spel hoort bij spel %1 van uitgave %2, dat niet in de lijst met spellen staat</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>Boekje als PDF opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>PDF-bestanden (*.pdf)|*.pdf|Alle bestanden (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>Rij %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>gegeven</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>ingevuld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>ongeldig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>fout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>potloodcijfers %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>vakje van de stap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>rij, kolom of blok van de stap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>eerste fout</translation>
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
        <translation>Rij %1, kolom %2: %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Help bij Tavrel Sudoku</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>Alles wat je tot nu toe hebt ingevuld, klopt met de oplossing.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>Je eerste fout: %1. Daarna heb je nog 1 cijfer ingevuld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>Je eerste fout: %1. Daarna heb je nog %2 cijfers ingevuld.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>1 cijfer teruggenomen: het foute op %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>%1 cijfers teruggenomen, tot en met het eerste foute op %2.</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>moeder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>dochter %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1, rij %2, kolom %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>gekoppeld aan %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>geen wijziging</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>%1 ingevuld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>%1 weggehaald</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>, ook in %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>potloodcijfer %1 toegevoegd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>potloodcijfers %1 toegevoegd</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>potloodcijfer %1 gewist</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>potloodcijfers %1 gewist</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>niets om opnieuw te doen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>niets om ongedaan te maken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>%1 opnieuw weggehaald</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>%1 teruggenomen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>%1 opnieuw ingevuld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>%1 teruggezet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>potloodcijfers opnieuw gezet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>potloodcijfers teruggenomen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>opnieuw gedaan: %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>ongedaan gemaakt: %1, %2</translation>
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
        <translation>Dochter %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>Nieuwe piramide wordt gemaakt...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>Nieuwe piramide</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>De nieuwe piramide kon niet worden gemaakt:
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>De nieuwe piramide kon niet worden bewaard:
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>Het op deze computer gemaakte spel &quot;%1&quot; verwijderen? Het kan daarna niet worden teruggehaald.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>Het spel kon niet worden verwijderd:
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>Speeltijd</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
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
        <translation>Overzichtsbestand: het is groter dan een overzicht van spellen ooit kan zijn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>Overzichtsbestand: het kon niet helemaal worden gelezen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>Het overzicht van je spellen in %1 is beschadigd (%3). Het is apart gezet als %2 en er begint een nieuw overzicht.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>Opgelost op %1 in %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>Begonnen op %1, %2 gespeeld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>, 1 stap getoond</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>, %1 stappen getoond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>, 1 stap toegepast</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>, %1 stappen toegepast</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>, oplosopdrachten gebruikt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>Het overzicht van je spellen kan niet worden bewaard in %1: %2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>Herstelbestand: het is groter dan het bestand van een spel ooit kan zijn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>Herstelbestand: het kon niet helemaal worden gelezen</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>Het herstelbestand %1 was beschadigd en is verwijderd: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>Het spel &quot;%1&quot; is niet goed afgesloten. Wil je verdergaan met de stand van %2?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>De herstelkopie van het spel kan niet worden bewaard in %1: %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>Het instellingenbestand %1 is geen gewoon bestand. De instellingen worden er niet uit gelezen en er niet in bewaard.</translation>
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
        <translation>Vastpinnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>Volledige reeks 1-9</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Vaste paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Verborgen vaste paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XWings</source>
        <translation>X-wing</translation>
    </message>
</context>
<context>
    <name>TStepWords</name>
    <message>
        <location filename="../game/ui/StepWords.cpp" line="+15"/>
        <source>the parent</source>
        <extracomment>A puzzle named inside a sentence (&quot;its partner in the parent&quot;).</extracomment>
        <translation>de moeder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>dochter %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>rij %1, kolom %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>Moeder, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>Dochter %1, %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>blok %1</translation>
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
        <translation>%1 of %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>%1: daar zou %2 kunnen staan, maar het gekoppelde vakje in %3 (%4) sluit dat uit.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>%1: daar zou %2 kunnen staan, maar de gekoppelde vakjes in %3 (%4) sluiten dat uit.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>Streep %1 weg in %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1: samen met het gekoppelde vakje in %2 (%3) blijft hier alleen %4 over (%5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1: hier moet %2 staan, want dat is het enige cijfer dat in dit vakje past (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1: hier moet %2 staan, want dit is het enige vakje van %3 waar %2 kan staan (%4).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1 (met het gekoppelde vakje in %2, %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>In %1 kunnen %2 en %3 alleen %4 bevatten, dus kan er in geen ander vakje van %5 een %6 staan (%7).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>In %1 kunnen %2 in %5 alleen in %3 en %4 staan, dus bevatten die twee vakjes geen ander cijfer (%6).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>een stap met %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>een stap met %1, met hulp van het gekoppelde vakje in %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>een stap met %1, met hulp van de gekoppelde vakjes in %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>Met de ingevulde cijfers vinden de oplosmethoden geen volgende stap.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>Alle vakjes zijn ingevuld: er is geen stap meer over.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>Een van de ingevulde cijfers is fout, dus er volgt geen stap tot je het terugneemt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1: hier staat %2, maar dat is niet de oplossing. Neem het terug vóór de volgende stap.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>Kijk naar %1: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>Kijk naar %1 van %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>%1 en %2: %3.</translation>
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
        <translation>%1 van de moeder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>%2 van dochter %1</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>Over</translation>
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
        <translation>Spel kiezen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>Een spel verwijderen dat op deze computer is gemaakt</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>opgelost</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>&amp;Spel kiezen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>&amp;Nieuwe piramide...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>&amp;Uitgavebestand toevoegen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistieken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>Opgeslagen spel &amp;laden...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>Boekje als &amp;PDF opslaan...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>Pagina-instelling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>O&amp;pnieuw</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>Ongedaan maken tot vóór de &amp;fout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>&amp;Controlepunt plaatsen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>&amp;Terug naar controlepunt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>&amp;Automatisch potlood (gekoppeld)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>Automatisch &amp;potlood (apart)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>&amp;Eigen potloodcijfers (gekoppeld)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>Eigen potlood&amp;cijfers (apart)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>Potloodcijfers &amp;verbergen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>&amp;Kandidaten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>&amp;Weggestreept</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>&amp;Timer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>Pau&amp;ze</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>Werkelijke &amp;grootte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>Uit&amp;lichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>Alleen &amp;dochter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>Alleen &amp;moeder</translation>
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
        <translation>&amp;Dochter</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>Dochter &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>&amp;Klik in moeder kiest dochter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>Laag &amp;1 (boven)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>Laag &amp;2 (onder)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>P&amp;uzzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>&amp;Dochter opnieuw beginnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>&amp;Alles opnieuw beginnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>&amp;Moeder opnieuw beginnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>&amp;Volgende stap</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>Stap &amp;toepassen</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>Eerste &amp;fout tonen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>Dochter &amp;oplossen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>Alle dochters op&amp;lossen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>Moeder o&amp;plossen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>Tav&amp;rel oplossen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>Help bij het spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Website van Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Over Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>Invullen </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>Wissen </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>Potlood </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>&amp;Invullen</translation>
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
        <translation>Leegmaken (&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>&amp;Potlood</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>Wi&amp;ssen</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>Ui&amp;tlichten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>Cijfer &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>&amp;Paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>Geen (&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>Met deze leds kun je de dochterpuzzel kiezen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>Met deze balken kun je de dochterpuzzel kiezen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>Met deze optie vul je het cijfer in</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1: alle knoppen loslaten</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>tabblad %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>Cijfers van de moeder</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>Cijfers van de dochter</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>Moederklik kiest dochter</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>Invullen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>Wis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>Invullen: wissen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>Uitlichten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>Paren uitlichten</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>Volgende stap</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>Klik in moeder kiest dochter: aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>Klik in moeder kiest dochter: uit</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>Cijfer %1: in 1 rij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>Cijfer %1: in %2 rijen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1: %2 van %3 ingevuld</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>Hele piramide</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>Gefeliciteerd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>Puzzel opgelost</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>Helaas, je oplossing is niet juist.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>Moeder</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>Dochter %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;Er zijn geen spellen gevonden.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku zoekt zijn uitgavebestanden (*.ISS) in de map&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Voeg ze toe met &quot;Uitgavebestand toevoegen...&quot; in het menu Bestand, of zet ze in die map en start het spel opnieuw.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>De puzzel kan niet worden gelezen - neem contact op met Tavrel Sudoku over je spelbestanden
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>Uitgavebestand toevoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Uitgavebestanden van Tavrel Sudoku (*.ISS)|*.ISS;*.iss|Alle bestanden (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>%1 is toegevoegd met %2 spellen; je vindt ze onder &quot;Spel kiezen...&quot;.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>Controleer je installatie en kijk ook of er een update is.
Laat ons deze foutmelding weten.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>Willekeurige indeling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>Middens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>Diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>Negen apart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>Blokmiddens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>Zelfde plekken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>Plekdiagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>Nog negen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>Eén dochter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>Middenblokken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>Zelfde blokken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>Rijen op diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>Rijen op kolommen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>Kolommen op diagonalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>Kolommen op rijen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>Enkelingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Vaste paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Verborgen vaste paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>Gekoppelde enkelingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>Gekoppelde vaste paren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>Gekoppelde verborgen vaste paren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>Nieuwe piramide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>&amp;Indeling:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>&amp;Niveau:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>&amp;Algemeen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>Hulp&amp;middelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>&amp;Weergave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>Oploss&amp;en</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>Klik vult in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>Een muisklik vult het cijfer in als er nog maar één mogelijk cijfer over is. (Eigen potloodcijfers tellen niet mee.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>Leds tonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>De leds die aangeven dat een cijfer bijna overal staat, aan- of uitzetten. Met de leds kun je ook een dochter kiezen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>Voortgangsbalken tonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>Invullen volgt uitgelicht cijfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>Wissen volgt uitgelicht cijfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>Tips tonen in hoofdvenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>Felicitatie tonen als het spel is opgelost</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>Het spel gebruikt de gekozen taal vanaf de volgende keer dat het start.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>Systeem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>waar je moet kijken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>de rij, kolom of het blok</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>het vakje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>de hele stap</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>Volgende stap toont eerst:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>Wissen van het juiste automatische potloodcijfer voorkomen  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> Foute cijfers </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>&amp;Ongeldige cijfers markeren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>&amp;Foute cijfers markeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>Ongeldig gaat &amp;voor</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>Deze instelling geeft iets minder hulp dan &quot;Fout gaat voor&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>Fout gaat voo&amp;r</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>Potloodcijfer alleen in geselecteerd vakje</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> Te gebruiken methode </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>Hoog contrast</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> Voorgrond </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>&amp;Gegeven cijfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>&amp;Ingevuld cijfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>&amp;Ongeldig cijfer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>&amp;Fout cijfer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>&amp;Potloodcijfers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>Gese&amp;lecteerd vakje</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> Leds </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>&amp;Uit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>&amp;8 keer aanwezig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>&amp;9 keer aanwezig</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> Achtergrond </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>&amp;Normaal vakje</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>Ge&amp;koppeld vakje</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> Uitlichten </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>&amp;Tekst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>A&amp;chtergrond</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>&amp;Schema</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>Aangepast...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>Oplostijden per niveau</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1: %2 opgelost, mediaan %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>Nog geen spel opgelost</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| mediaan</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>Mediane tijd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>Zonder hulp</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>Uitgave</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>Per &amp;niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>Per &amp;uitgave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>Gemaakt op deze computer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>Overige spellen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>Alle spellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>Er staan geen spellen in de lijst.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>Je hebt %1 van de %2 spellen opgelost, %3 daarvan zonder hulp.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
</TS>
