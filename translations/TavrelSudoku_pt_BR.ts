<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BrowserCommand</name>
    <message>
        <location filename="../common/BrowserCommand.cpp" line="+5"/>
        <source>Unable to find start command for internet browser</source>
        <translation>Não foi possível encontrar o comando para abrir o navegador</translation>
    </message>
</context>
<context>
    <name>CatalogueFolders</name>
    <message>
        <location filename="../game/data/CatalogueFolders.cpp" line="+134"/>
        <source>Issue file %1 is not used: its name is longer than %2 characters</source>
        <translation>O arquivo de edição %1 não será usado: o nome tem mais de %2 caracteres</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 is not used: its name holds a path character</source>
        <translation>O arquivo de edição %1 não será usado: o nome contém um caractere de caminho</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <location filename="../game/model/ColourNames.cpp" line="+16"/>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maroon</source>
        <translation>Bordô</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Teal</source>
        <translation>Verde-azulado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Money Green</source>
        <translation>Verde-menta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sky Blue</source>
        <translation>Azul-celeste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Medium Gray</source>
        <translation>Cinza médio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll Bar</source>
        <translation>Barra de rolagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Background</source>
        <translation>Plano de fundo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Caption</source>
        <translation>Título ativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption</source>
        <translation>Título inativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Frame</source>
        <translation>Moldura da janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Text</source>
        <translation>Texto do menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window Text</source>
        <translation>Texto da janela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caption Text</source>
        <translation>Texto do título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Active Border</source>
        <translation>Borda ativa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Border</source>
        <translation>Borda inativa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Application Workspace</source>
        <translation>Área de trabalho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight</source>
        <translation>Realce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Highlight Text</source>
        <translation>Texto realçado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Face</source>
        <translation>Fundo do botão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Shadow</source>
        <translation>Sombra do botão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gray Text</source>
        <translation>Texto cinza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Text</source>
        <translation>Texto do botão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inactive Caption Text</source>
        <translation>Texto tít. inativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Button Highlight</source>
        <translation>Realce do botão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Dark Shadow</source>
        <translation>Sombra escura 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3D Light</source>
        <translation>Luz 3D</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Text</source>
        <translation>Texto da dica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Info Background</source>
        <translation>Fundo da dica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot Light</source>
        <translation>Hiperlink</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Active Caption</source>
        <translation>Degradê tít. ativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gradient Inactive Caption</source>
        <translation>Degradê tít. inativo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Highlight</source>
        <translation>Realce do menu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Menu Bar</source>
        <translation>Barra de menus</translation>
    </message>
</context>
<context>
    <name>CopyStream</name>
    <message>
        <location filename="../common/CopyStream.cpp" line="+16"/>
        <source>CopyStream: Not enough bytes in source stream</source>
        <translation>CopyStream: o fluxo de origem não tem bytes suficientes</translation>
    </message>
</context>
<context>
    <name>DistributionFile</name>
    <message>
        <location filename="../game/data/DistributionFile.cpp" line="+26"/>
        <source>Invalid file %1 - %2</source>
        <translation>Arquivo inválido %1 - %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Invalid file %1 - Wrong signature</source>
        <translation>Arquivo inválido %1 - assinatura errada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Wrong version</source>
        <translation>Arquivo inválido %1 - versão errada</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Invalid file %1 - Its header counts %2 games, more than the file holds</source>
        <translation>Arquivo inválido %1 - o cabeçalho indica %2 jogos, mais do que o arquivo contém</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Game index %1 out of range (%2 games)</source>
        <translation>Índice de jogo %1 fora do intervalo (%2 jogos)</translation>
    </message>
</context>
<context>
    <name>EncBigInt</name>
    <message>
        <location filename="../encrypt/EncBigInt.cpp" line="+14"/>
        <location line="+52"/>
        <source>Out of memory for a big number</source>
        <translation>Memória insuficiente para um número grande</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Division by zero in a big number</source>
        <translation>Divisão por zero em um número grande</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+4"/>
        <source>Big number exponentiation failed</source>
        <translation>Falha na exponenciação de um número grande</translation>
    </message>
</context>
<context>
    <name>EncMD5</name>
    <message>
        <location filename="../encrypt/EncMD5.cpp" line="+17"/>
        <source>MD5 digest not available</source>
        <translation>Hash MD5 não disponível</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+7"/>
        <source>MD5 digest failed</source>
        <translation>Falha no cálculo do hash MD5</translation>
    </message>
</context>
<context>
    <name>EncRSAKey</name>
    <message>
        <location filename="../encrypt/EncRSAKey.cpp" line="+7"/>
        <source>Invalid RSA Key</source>
        <translation>Chave RSA inválida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Asymmetric Key</source>
        <translation>Chave assimétrica inválida</translation>
    </message>
</context>
<context>
    <name>EncRSASSA</name>
    <message>
        <location filename="../encrypt/EncRSASSA.cpp" line="+34"/>
        <source>Invalid key size for RSASSA</source>
        <translation>Tamanho de chave inválido para RSASSA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Invalid RSA public key</source>
        <translation>Chave pública RSA inválida</translation>
    </message>
</context>
<context>
    <name>EncRijndael</name>
    <message>
        <location filename="../encrypt/EncRijndael.cpp" line="+14"/>
        <source>Invalid file format</source>
        <translation>Formato de arquivo inválido</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>AES cipher not available</source>
        <translation>Criptografia AES não disponível</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>AES cipher failed</source>
        <translation>Falha na criptografia AES</translation>
    </message>
    <message>
        <location line="+61"/>
        <location line="+19"/>
        <source>Cipher mode not supported</source>
        <translation>Modo de criptografia não suportado</translation>
    </message>
</context>
<context>
    <name>Encrypt</name>
    <message>
        <location filename="../encrypt/Encrypt.cpp" line="+141"/>
        <source>Invalid signature key requested</source>
        <translation>Foi solicitada uma chave de assinatura inválida</translation>
    </message>
</context>
<context>
    <name>Exception</name>
    <message>
        <location filename="../common/Exception.cpp" line="+3"/>
        <source>Stream read error</source>
        <translation>Erro de leitura do fluxo de dados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stream write error</source>
        <translation>Erro de gravação do fluxo de dados</translation>
    </message>
</context>
<context>
    <name>FileStream</name>
    <message>
        <location filename="../common/FileStream.cpp" line="+24"/>
        <source>Cannot open file &quot;%1&quot;: it is not a regular file</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;: não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cannot create file &quot;%1&quot;</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Stream seek error</source>
        <translation>Erro de posicionamento no fluxo de dados</translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <location filename="../game/data/GameRecords.cpp" line="+36"/>
        <location line="+70"/>
        <source>Records file: line %1 holds a number out of place</source>
        <translation>Arquivo de histórico: a linha %1 contém um número fora do lugar</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>Records file: line %1 holds too few numbers</source>
        <translation>Arquivo de histórico: a linha %1 contém números de menos</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Records file: its check does not match its contents</source>
        <translation>Arquivo de histórico: o valor de verificação não confere com o conteúdo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it is not a records file of this program</source>
        <translation>Arquivo de histórico: não é um arquivo de histórico deste programa</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records file: line %1 is not a game&apos;s</source>
        <translation>Arquivo de histórico: a linha %1 não pertence a um jogo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Records file: game %1 is recorded twice</source>
        <translation>Arquivo de histórico: o jogo %1 está registrado duas vezes</translation>
    </message>
</context>
<context>
    <name>GamesDatFormat</name>
    <message>
        <location filename="../game/data/GamesDatFormat.cpp" line="+165"/>
        <source>Problem with GAMES.DAT file. Expected %1 issues, %2 games: found %3 and %4</source>
        <translation>Problema no arquivo GAMES.DAT. Esperados: %1 edições, %2 jogos; encontrados: %3 e %4</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Problem with GAMES.DAT file. Expected to write %1 games: wrote %2</source>
        <translation>Problema no arquivo GAMES.DAT. Deveriam ser gravados %1 jogos, mas foram gravados %2</translation>
    </message>
</context>
<context>
    <name>GamesFile</name>
    <message>
        <location filename="../game/data/GamesFile.cpp" line="+127"/>
        <source>Invalid file %1 - its numbers are those of the games made on this computer</source>
        <translation>Arquivo inválido %1 - seus números são os dos jogos criados neste computador</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>%1 is not an issue file (*.ISS)</source>
        <translation>%1 não é um arquivo de edição (*.ISS)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Issue file %1 is not added: an issue file of that name came with the game</source>
        <translation>O arquivo de edição %1 não foi adicionado: um arquivo de edição com esse nome já veio com o jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Issue file %1 is not added: an issue file of that name is in %2 already</source>
        <translation>O arquivo de edição %1 não foi adicionado: já existe um arquivo de edição com esse nome em %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Issue file %1 is not added: its issue %2 is listed already as %3</source>
        <translation>O arquivo de edição %1 não foi adicionado: a edição %2 dele já está na lista como %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Issue file %1 could not be copied to %2: %3</source>
        <translation>Não foi possível copiar o arquivo de edição %1 para %2: %3</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>There are no issues listed in the games file</source>
        <translation>O arquivo de jogos não lista nenhuma edição</translation>
    </message>
    <message>
        <location line="+40"/>
        <location line="+111"/>
        <source>There are no games listed in the games file</source>
        <translation>O arquivo de jogos não lista nenhum jogo</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+139"/>
        <source>Game %1 is not listed in the games file and its first issue has no games</source>
        <translation>O jogo %1 não está no arquivo de jogos, e a primeira edição dele não tem jogos</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>Invalid issue file name &quot;%1&quot; in the games file</source>
        <translation>Nome de arquivo de edição inválido &quot;%1&quot; no arquivo de jogos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Issue file %1 has changed since its games were listed</source>
        <translation>O arquivo de edição %1 foi alterado depois que seus jogos foram listados</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Invalid file %1 - Game %2 is not where the games file says</source>
        <translation>Arquivo inválido %1 - o jogo %2 não está onde o arquivo de jogos indica</translation>
    </message>
</context>
<context>
    <name>Generator</name>
    <message>
        <location filename="../game/generator/Generator.cpp" line="+267"/>
        <source>Layout %1 has no links: no %2 puzzles</source>
        <translation>O layout %1 não tem vínculos: não há quebra-cabeças de nível %2</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Generator: layout %1 seed %2 gave a pyramid without a unique solution</source>
        <translation>Gerador: o layout %1 com semente %2 gerou uma pirâmide sem solução única</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Generator: no %1 puzzle for layout %2 within %3 attempts (seed %4)</source>
        <translation>Gerador: nenhum quebra-cabeça de nível %1 para o layout %2 em %3 tentativas (semente %4)</translation>
    </message>
    <message>
        <location filename="../game/generator/Generator.h" line="+63"/>
        <source>Making the pyramid was cancelled</source>
        <translation>A criação da pirâmide foi cancelada</translation>
    </message>
</context>
<context>
    <name>MadeGames</name>
    <message>
        <location filename="../game/data/MadeGames.cpp" line="+66"/>
        <source>Game %1 is not one of the games made on this computer</source>
        <translation>O jogo %1 não é um dos jogos criados neste computador</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot keep the damaged file %1 aside: %2</source>
        <translation>Não é possível guardar à parte o arquivo danificado %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No game numbers are left for new games</source>
        <translation>Não restam números de jogo para novos jogos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The new game cannot be kept: %1</source>
        <translation>Não é possível guardar o novo jogo: %1</translation>
    </message>
</context>
<context>
    <name>MadeGamesFormat</name>
    <message>
        <location filename="../game/data/MadeGamesFormat.cpp" line="+37"/>
        <source>The checksum of the games made on this computer could not be computed</source>
        <translation>Não foi possível calcular a soma de verificação dos jogos criados neste computador</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>wrong record format</source>
        <translation>formato de registro errado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong rebuild flag</source>
        <translation>indicador de reconstrução errado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a made game&apos;s issue</source>
        <translation>não é a edição de um jogo criado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>game number %1 is not a made game&apos;s</source>
        <translation>o número de jogo %1 não pertence a um jogo criado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown layout type %1</source>
        <translation>tipo de layout desconhecido %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>wrong stream kind</source>
        <translation>tipo de fluxo de dados errado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>wrong puzzle stream size</source>
        <translation>tamanho errado dos dados do quebra-cabeça</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>puzzle %1 holds a wrong digit or given flag</source>
        <translation>o quebra-cabeça %1 contém um número ou um indicador de valor inicial errado</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Invalid file %1 - %2</source>
        <translation>Arquivo inválido %1 - %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a file of games made on this computer</source>
        <translation>não é um arquivo de jogos criados neste computador</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>damaged (its checksum does not match)</source>
        <translation>danificado (a soma de verificação não confere)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrong version</source>
        <translation>Versão errada</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>game %1 is cut short</source>
        <translation>o jogo %1 está incompleto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>game %1: %2</source>
        <translation>jogo %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>game number %1 is listed twice or was never handed out</source>
        <translation>o número de jogo %1 aparece duas vezes ou nunca foi atribuído</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>bytes after the last game</source>
        <translation>bytes depois do último jogo</translation>
    </message>
</context>
<context>
    <name>MemoryStream</name>
    <message>
        <location filename="../common/MemoryStream.cpp" line="+44"/>
        <source>Stream seek error</source>
        <translation>Erro de posicionamento no fluxo de dados</translation>
    </message>
</context>
<context>
    <name>NewPyramid</name>
    <message>
        <location filename="../game/generator/NewPyramid.cpp" line="+90"/>
        <source>Unknown layout type %1</source>
        <translation>Tipo de layout desconhecido %1</translation>
    </message>
</context>
<context>
    <name>NoPossibilities</name>
    <message>
        <location filename="../game/model/NoPossibilities.h" line="+9"/>
        <source>Possibilities error</source>
        <translation>Erro nas possibilidades</translation>
    </message>
</context>
<context>
    <name>PdfBookletPrinter</name>
    <message>
        <location filename="../game/display/PdfBookletPrinter.cpp" line="+56"/>
        <source>The PDF file could not be started</source>
        <translation>Não foi possível iniciar o arquivo PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The PDF file could not take another page</source>
        <translation>Não foi possível acrescentar outra página ao arquivo PDF</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>The PDF file is incomplete: a part of the booklet was abandoned</source>
        <translation>O arquivo PDF está incompleto: uma parte do livreto foi abandonada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The PDF file has no pages</source>
        <translation>O arquivo PDF não tem páginas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The PDF file could not be completed</source>
        <translation>Não foi possível concluir o arquivo PDF</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <location filename="../game/model/Puzzle.cpp" line="+282"/>
        <source>An undo record names a square, a digit or a stamp no puzzle has</source>
        <translation>Um registro de desfazer indica uma célula, um número ou uma marca que não existe em nenhum quebra-cabeça</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A checkpoint keeps a number of records no puzzle has</source>
        <translation>Um ponto de controle guarda uma quantidade de registros que nenhum quebra-cabeça tem</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A value to redo names a square, a digit or a stamp no puzzle has</source>
        <translation>Um valor a refazer indica uma célula, um número ou uma marca que não existe em nenhum quebra-cabeça</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Invalid entries text: cell %1 is missing</source>
        <translation>Texto de valores inseridos inválido: falta a célula %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid entries text: cell %1 is not a number</source>
        <translation>Texto de valores inseridos inválido: a célula %1 não é um número</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Invalid marks text: cell %1 is missing</source>
        <translation>Texto de anotações inválido: falta a célula %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid marks text: cell %1 is not a number</source>
        <translation>Texto de anotações inválido: a célula %1 não é um número</translation>
    </message>
</context>
<context>
    <name>PuzzleXLink</name>
    <message>
        <location filename="../game/pyramid/PuzzleXLink.cpp" line="+118"/>
        <source>Puzzle stream too short: record %1 of %2 (%3) has %4 of %5 bytes</source>
        <translation>Dados do quebra-cabeça curtos demais: o registro %1 de %2 (%3) tem %4 de %5 bytes</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Puzzle stream record %1 (%2): solution digit %3 in cell %4 is not 1 to 9</source>
        <translation>Dados do quebra-cabeça, registro %1 (%2): o número da solução %3 na célula %4 não está entre 1 e 9</translation>
    </message>
</context>
<context>
    <name>QVPrinting</name>
    <message>
        <location filename="../game/display/QVPrinting.cpp" line="+148"/>
        <source>The printer reports no resolution, so the booklet cannot be laid out</source>
        <translation>A impressora não informa a resolução, por isso não é possível montar o livreto</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The booklet does not fit on the printer&apos;s page of %1 x %2 inches. Please choose A4 or Letter paper.</source>
        <translation>O livreto não cabe na página da impressora, de %1 x %2 polegadas. Escolha papel A4 ou Carta.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Booklet printing: the pyramid has no puzzle %1</source>
        <translation>Impressão do livreto: a pirâmide não tem o quebra-cabeça %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent Puzzle</source>
        <translation>Quebra-cabeça pai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Child Puzzle %1</source>
        <translation>Quebra-cabeça filho %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVPrinting.h" line="+49"/>
        <source>Please reinsert pages for second side of duplexing</source>
        <translation>Recoloque as páginas na impressora para imprimir o verso</translation>
    </message>
</context>
<context>
    <name>QtBookletPrinter</name>
    <message>
        <location filename="../game/display/QtBookletPrinter.cpp" line="+40"/>
        <source>Printing on &quot;%1&quot; could not be started</source>
        <translation>Não foi possível iniciar a impressão em &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The printer &quot;%1&quot; reported an error while printing</source>
        <translation>A impressora &quot;%1&quot; informou um erro durante a impressão</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The printer &quot;%1&quot; could not start a new page</source>
        <translation>A impressora &quot;%1&quot; não conseguiu iniciar uma nova página</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <location filename="../game/pyramid/RecoveryFile.cpp" line="+48"/>
        <source>Recovery file: it ends before its &quot;%1&quot; line</source>
        <translation>Arquivo de recuperação: ele termina antes da linha &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its last line has no end</source>
        <translation>Arquivo de recuperação: a última linha não tem fim</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: line %1 is too long</source>
        <translation>Arquivo de recuperação: a linha %1 é longa demais</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 is not its &quot;%2&quot; line</source>
        <translation>Arquivo de recuperação: a linha %1 não é a linha &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: line %1 holds a number out of place</source>
        <translation>Arquivo de recuperação: a linha %1 contém um número fora do lugar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Recovery file: line %1 holds too few numbers</source>
        <translation>Arquivo de recuperação: a linha %1 contém números de menos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: line %1 holds too many numbers</source>
        <translation>Arquivo de recuperação: a linha %1 contém números demais</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Recovery file: it has no check at its end</source>
        <translation>Arquivo de recuperação: falta o valor de verificação no final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: its check does not match its contents</source>
        <translation>Arquivo de recuperação: o valor de verificação não confere com o conteúdo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: it is not a recovery file of this program</source>
        <translation>Arquivo de recuperação: não é um arquivo de recuperação deste programa</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Recovery file: a history is out of order or too long</source>
        <translation>Arquivo de recuperação: um histórico está fora de ordem ou é longo demais</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Recovery file: it holds no puzzle&apos;s history</source>
        <translation>Arquivo de recuperação: ele não contém o histórico de nenhum quebra-cabeça</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recovery file: it holds %1 puzzles&apos; histories for a pyramid of %2 puzzles</source>
        <translation>Arquivo de recuperação: ele contém o histórico de %1 quebra-cabeças para uma pirâmide de %2 quebra-cabeças</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the child shown is not one of the pyramid&apos;s</source>
        <translation>Arquivo de recuperação: o filho mostrado não é um dos filhos da pirâmide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: the puzzle the commands act on is not one of the pyramid&apos;s</source>
        <translation>Arquivo de recuperação: o quebra-cabeça sobre o qual os comandos agem não pertence à pirâmide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recovery file: its entries are of another game</source>
        <translation>Arquivo de recuperação: os valores inseridos são de outro jogo</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/SafeFile.cpp" line="+15"/>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (the file is read-only)</source>
        <translation>%1 (o arquivo é somente leitura)</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <location filename="../game/pyramid/SavedGame.cpp" line="+38"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Saved game: more lines were asked for than the file holds</source>
        <translation>Jogo salvo: foram pedidas mais linhas do que o arquivo contém</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Saved game: line %1 is longer than %2 characters</source>
        <translation>Jogo salvo: a linha %1 tem mais de %2 caracteres</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saved game: the first line names no game</source>
        <translation>Jogo salvo: a primeira linha não indica nenhum jogo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Saved game: line %1 is not a values line</source>
        <translation>Jogo salvo: a linha %1 não é uma linha de valores</translation>
    </message>
</context>
<context>
    <name>SolutionMaker</name>
    <message>
        <location filename="../game/generator/SolutionMaker.cpp" line="+200"/>
        <source>No pyramid solution found for layout %1</source>
        <translation>Nenhuma solução de pirâmide encontrada para o layout %1</translation>
    </message>
</context>
<context>
    <name>TFileCommands</name>
    <message>
        <location filename="../game/ui/FileCommands.cpp" line="+37"/>
        <source>%1
The saved game &quot;%2&quot; could not be loaded.</source>
        <translation>%1
Não foi possível carregar o jogo salvo &quot;%2&quot;.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Tavrel sudoku save files (*.sav)|*.sav|All files (*.*)|*.*</source>
        <translation>Jogos salvos do Tavrel Sudoku (*.sav)|*.sav|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save puzzle entries</source>
        <translation>Salvar andamento do jogo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open previous entries</source>
        <translation>Abrir jogo salvo</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Do you want to save your current solution?</source>
        <translation>Deseja salvar sua solução atual?</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Cannot save the game in %1: %2</source>
        <translation>Não foi possível salvar o jogo em %1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The saved game is of game %1 of issue %2, which the list of games does not hold</source>
        <translation>O jogo salvo é do jogo %1 da edição %2, que não está na lista de jogos</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Save booklet as PDF</source>
        <translation>Salvar livreto em PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)|*.pdf|All files (*.*)|*.*</source>
        <translation>Arquivos PDF (*.pdf)|*.pdf|Todos os arquivos (*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>TGrid</name>
    <message>
        <location filename="../game/display/GridAccessible.cpp" line="+149"/>
        <source>Column %1</source>
        <translation>Coluna %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Row %1</source>
        <translation>Linha %1</translation>
    </message>
    <message>
        <location filename="../game/display/QVDisplayGrid.cpp" line="+78"/>
        <source>given</source>
        <translation>inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entered</source>
        <translation>inserido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>invalid</source>
        <translation>inválido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>incorrect</source>
        <translation>incorreto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>marks %1</source>
        <extracomment>%1 the digits a square&apos;s pencil marks show, &quot;2 3 9&quot;.</extracomment>
        <translation>anotações %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>step square</source>
        <translation>célula do passo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>step house</source>
        <translation>linha, coluna ou bloco do passo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>first mistake</source>
        <translation>primeiro erro</translation>
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
        <translation>Linha %1, coluna %2: %3</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <location filename="../game/ui/HelpWindow.cpp" line="+47"/>
        <source>Tavrel Sudoku Help</source>
        <translation>Ajuda do Tavrel Sudoku</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
</context>
<context>
    <name>TMistakePresenter</name>
    <message>
        <location filename="../game/ui/MistakePresenter.cpp" line="+19"/>
        <location line="+46"/>
        <source>Every entry so far agrees with the solution.</source>
        <translation>Todos os valores inseridos até agora conferem com a solução.</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>Your first wrong entry is %1; 1 entry came after it.</source>
        <translation>Seu primeiro erro: %1. Depois dele, você inseriu mais 1 valor.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your first wrong entry is %1; %2 entries came after it.</source>
        <translation>Seu primeiro erro: %1. Depois dele, você inseriu mais %2 valores.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>1 entry taken back, the wrong one at %1 with it.</source>
        <translation>1 valor retirado: o valor errado na %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 entries taken back, the first wrong one at %2 with them.</source>
        <translation>%1 valores retirados, até o primeiro valor errado, na %2.</translation>
    </message>
</context>
<context>
    <name>TNarrator</name>
    <message>
        <location filename="../game/ui/Narrator.cpp" line="+36"/>
        <source>parent</source>
        <translation>pai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>filho %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, row %2, column %3</source>
        <translation>%1, linha %2, coluna %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>linked to %1</source>
        <translation>vínculo com %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+18"/>
        <source>no change</source>
        <translation>nenhuma alteração</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 entered</source>
        <translation>%1 inserido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 cleared</source>
        <translation>%1 removido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, also %1</source>
        <translation>, também em %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>mark %1 added</source>
        <translation>anotação %1 adicionada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 added</source>
        <translation>anotações %1 adicionadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mark %1 erased</source>
        <translation>anotação %1 apagada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks %1 erased</source>
        <translation>anotações %1 apagadas</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nothing to redo</source>
        <translation>nada para refazer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nothing to undo</source>
        <translation>nada para desfazer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 cleared again</source>
        <translation>%1 removido de novo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 taken back</source>
        <translation>%1 retirado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 entered again</source>
        <translation>%1 inserido de novo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 back</source>
        <translation>%1 de volta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>marks made again</source>
        <translation>anotações refeitas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>marks taken back</source>
        <translation>anotações retiradas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>redone: %1, %2</source>
        <translation>refeito: %1, %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>undone: %1, %2</source>
        <translation>desfeito: %1, %2</translation>
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
        <translation>Filho %1</translation>
    </message>
</context>
<context>
    <name>TNewPyramidController</name>
    <message>
        <location filename="../game/ui/NewPyramidController.cpp" line="+101"/>
        <source>Making a new pyramid...</source>
        <translation>Criando uma nova pirâmide...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Pyramid</source>
        <translation>Nova pirâmide</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The new pyramid could not be made:
%1</source>
        <translation>Não foi possível criar a nova pirâmide:
%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The new pyramid could not be kept:
%1</source>
        <translation>Não foi possível guardar a nova pirâmide:
%1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Delete the game &quot;%1&quot; that was made on this computer? It cannot be brought back.</source>
        <translation>Excluir o jogo &quot;%1&quot;, criado neste computador? Não será possível recuperá-lo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The game could not be deleted:
%1</source>
        <translation>Não foi possível excluir o jogo:
%1</translation>
    </message>
</context>
<context>
    <name>TPlayClock</name>
    <message>
        <location filename="../game/ui/PlayClock.cpp" line="+43"/>
        <source>Time played</source>
        <translation>Tempo de jogo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>TPrompter</name>
    <message>
        <location filename="../game/ui/Prompter.cpp" line="+16"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>TRecordKeeper</name>
    <message>
        <location filename="../game/ui/RecordKeeper.cpp" line="+28"/>
        <source>MMM dd</source>
        <extracomment>The form of a day in the record of a game (&quot;Dec 08&quot;), as QDate::toString reads it.</extracomment>
        <translation>d &apos;de&apos; MMM</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Records file: it is larger than any record of games</source>
        <translation>Arquivo de histórico: ele é maior do que qualquer histórico de jogos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records file: it could not be read whole</source>
        <translation>Arquivo de histórico: não foi possível lê-lo inteiro</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The record of your games in %1 is damaged and was put aside as %2; a new record begins: %3</source>
        <translation>O histórico dos seus jogos em %1 está danificado (%3). Ele foi guardado à parte como %2 e um novo histórico foi iniciado.</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Solved %1 in %2</source>
        <translation>Resolvido em %1, com tempo de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Started %1, %2 played</source>
        <translation>Iniciado em %1, %2 de jogo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step shown</source>
        <translation>, 1 passo mostrado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps shown</source>
        <translation>, %1 passos mostrados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, 1 step made</source>
        <translation>, 1 passo aplicado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, %1 steps made</source>
        <translation>, %1 passos aplicados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, solve commands used</source>
        <translation>, comandos de resolução usados</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The record of your games cannot be kept in %1: %2</source>
        <translation>Não é possível guardar o histórico dos seus jogos em %1: %2</translation>
    </message>
</context>
<context>
    <name>TRecoveryKeeper</name>
    <message>
        <location filename="../game/ui/RecoveryKeeper.cpp" line="+45"/>
        <source>Recovery file: it is larger than any game&apos;s</source>
        <translation>Arquivo de recuperação: ele é maior do que o de qualquer jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recovery file: it could not be read whole</source>
        <translation>Arquivo de recuperação: não foi possível lê-lo inteiro</translation>
    </message>
    <message>
        <location line="+63"/>
        <location line="+18"/>
        <source>The recovery file %1 is damaged and was removed: %2</source>
        <translation>O arquivo de recuperação %1 estava danificado e foi removido: %2</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The game &quot;%1&quot; was not closed properly. Do you want to go on with it as it was at %2?</source>
        <translation>O jogo &quot;%1&quot; não foi fechado corretamente. Deseja continuar de onde parou, como estava em %2?</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The game cannot be kept safe in %1: %2</source>
        <translation>Não é possível guardar a cópia de recuperação do jogo em %1: %2</translation>
    </message>
</context>
<context>
    <name>TSettingsStore</name>
    <message>
        <location filename="../game/ui/SettingsStore.cpp" line="+126"/>
        <source>The settings file %1 is not a regular file. The settings are not read from it or kept in it.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum. As configurações não serão lidas dele nem gravadas nele.</translation>
    </message>
</context>
<context>
    <name>TSettingsValues</name>
    <message>
        <location filename="../game/model/SettingsValues.h" line="+21"/>
        <source>Scanning</source>
        <translation>Varredura</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinned</source>
        <translation>Cerco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Complete 1-9 sequence</source>
        <translation>Sequência 1-9 completa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Pares travados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Pares travados ocultos</translation>
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
        <translation>pai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>child %1</source>
        <translation>filho %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The parent&apos;s %1</source>
        <extracomment>%1 is a place, &quot;row 5, column 3&quot;; opens a sentence.</extracomment>
        <translation>No pai, a célula da %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Child %1, %2</source>
        <extracomment>%1 is the child&apos;s number, %2 a place, &quot;row 2, column 7&quot;; opens a sentence.</extracomment>
        <translation>No filho %1, a célula da %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>row %1</source>
        <translation>a linha %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>column %1</source>
        <translation>a coluna %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>box %1</source>
        <translation>o bloco %1</translation>
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
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>%1 could hold %2 but for its partner in %3 (%4).</source>
        <extracomment>%1 a square&apos;s place, %2 digits, %3 a puzzle, %4 the partner&apos;s place.</extracomment>
        <translation>%1: aqui caberia %2, não fosse a célula vinculada no %3 (%4).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could hold %2 but for their partners in %3 (%4).</source>
        <extracomment>%1 squares&apos; places, %2 digits, %3 a puzzle, %4 the partners&apos; places.</extracomment>
        <translation>%1: nessas células caberia %2, não fossem as células vinculadas no %3 (%4).</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Take %1 out of %2.</source>
        <extracomment>%1 digits, %2 places: the candidates to strike out.</extracomment>
        <translation>Elimine %1 da %2.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 and its partner in %2 (%3) together leave only %4 (%5).</source>
        <extracomment>%1 a square, %2 a puzzle, %3 the partner&apos;s place, %4 the digit, %5 the method.</extracomment>
        <translation>%1 e a célula vinculada no %2 (%3), juntas, só deixam o %4 (%5).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 must be %2: it is the only digit that square can hold (%3).</source>
        <extracomment>%1 a square, %2 the digit, %3 the method.</extracomment>
        <translation>%1 deve ser %2: é o único número que essa célula pode conter (%3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 must be %2: it is the only square of %3 that can hold %2 (%4).</source>
        <extracomment>%1 a square, %2 the digit, %3 a row, column or box, %4 the method.</extracomment>
        <translation>%1 deve ser %2: %3 não tem outra célula que possa conter o %2 (%4).</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 (with its partner in %2, %3)</source>
        <extracomment>%1 a square&apos;s place, %2 a puzzle, %3 the partner&apos;s place.</extracomment>
        <translation>%1 (com a célula vinculada no %2, %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>In %1, %2 and %3 can hold only %4, so no other square of %5 can hold %6 (%7).</source>
        <extracomment>%1 a puzzle, %2 and %3 the pair&apos;s squares, %4 its digits (&quot;5 and 8&quot;), %5 a house, %6 the digits as alternatives (&quot;5 or 8&quot;), %7 the method.</extracomment>
        <translation>No %1, as células da %2 e da %3 só podem conter %4, então %5 não tem outra célula que possa conter %6 (%7).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In %1, %2 can go only in %3 and %4 of %5, so those two squares hold no other digit (%6).</source>
        <extracomment>%1 a puzzle, %2 the pair&apos;s digits, %3 and %4 its squares, %5 a house, %6 the method.</extracomment>
        <translation>No %1, %5 só pode ter %2 nas células da %3 e da %4; por isso, essas duas células não contêm nenhum outro número (%6).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a %1 step</source>
        <extracomment>%1 a method&apos;s name.</extracomment>
        <translation>um passo de %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a %1 step with the help of its partner in %2</source>
        <extracomment>%1 a method&apos;s name, %2 a puzzle.</extracomment>
        <translation>um passo de %1 com a ajuda da célula vinculada no %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a %1 step with the help of its partners in %2</source>
        <extracomment>%1 a method&apos;s name, %2 puzzles.</extracomment>
        <translation>um passo de %1 com a ajuda das células vinculadas no %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The solving methods find no further step from these entries.</source>
        <translation>Com os valores inseridos, os métodos de resolução não encontram mais nenhum passo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every square is filled in: there is no step left.</source>
        <translation>Todas as células estão preenchidas: não resta nenhum passo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>One of the entries is wrong, so no step can follow from them until it is taken back.</source>
        <translation>Um dos valores inseridos está errado; nenhum passo pode vir deles até que esse valor seja retirado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2, which is not its solution: take it back before the next step.</source>
        <extracomment>%1 a square, %2 the digit it holds.</extracomment>
        <translation>%1 contém %2, que não é a solução dela: retire esse valor antes do próximo passo.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Look at %1: %2.</source>
        <extracomment>%1 a puzzle, %2 the kind of step (&quot;a Scanning step&quot;).</extracomment>
        <translation>Veja o %1: %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Look at %1 of %2: %3.</source>
        <extracomment>%1 a row, column or box, %2 a puzzle, %3 the kind of step.</extracomment>
        <translation>Veja %1 do %2: %3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 and %2: %3.</source>
        <extracomment>%1 a square, %2 a second square&apos;s place in the same puzzle, %3 the kind of step.</extracomment>
        <translation>%1 e a da %2: %3.</translation>
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
        <translation>%1 do pai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>child %1&apos;s %2</source>
        <extracomment>%1 the child&apos;s number, %2 a place (&quot;row 2, column 7&quot;), inside a sentence.</extracomment>
        <translation>%2 do filho %1</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <location filename="../game/ui/QVAbout.cpp" line="+63"/>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>Escolher jogo</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete a game made on this computer</source>
        <translation>Excluir um jogo criado neste computador</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>solved</source>
        <translation>resolvido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>started</source>
        <translation>iniciado</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <location filename="../game/ui/QVMainCommands.cpp" line="+91"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose &amp;game...</source>
        <translation>Escolher &amp;jogo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New Pyramid...</source>
        <translation>&amp;Nova pirâmide...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add &amp;Issue File...</source>
        <translation>Adicionar arquivo de &amp;edição...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;tatistics...</source>
        <translation>Es&amp;tatísticas...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load saved game...</source>
        <translation>&amp;Carregar jogo salvo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save &amp;As...</source>
        <translation>Salvar c&amp;omo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save Booklet as P&amp;DF...</source>
        <translation>Salvar livreto em &amp;PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Settings...</source>
        <translation>Con&amp;figurações...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;dit</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Undo to Before &amp;Mistake</source>
        <translation>Desfazer até antes do &amp;erro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Checkpoint</source>
        <translation>&amp;Marcar ponto de controle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>U&amp;ndo to checkpoint</source>
        <translation>&amp;Voltar ao ponto de controle</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Auto Pencil (Linked)</source>
        <translation>&amp;Anotação automática (vinculada)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Auto &amp;Pencil (Separate)</source>
        <translation>Anotação automática (&amp;separada)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;User Marks (Linked)</source>
        <translation>&amp;Minhas anotações (vinculadas)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>User &amp;Marks (Separate)</source>
        <translation>Minhas anotações (sepa&amp;radas)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Hide Pencil Marks</source>
        <translation>&amp;Ocultar anotações</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Candidates</source>
        <translation>&amp;Candidatos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Filled</source>
        <translation>&amp;Eliminados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Timer</source>
        <translation>Cronôme&amp;tro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pau&amp;se</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zoom &amp;In</source>
        <translation>Aumentar &amp;zoom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Dimin&amp;uir zoom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Actual Si&amp;ze</source>
        <translation>Tamanho &amp;normal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Hi &amp;Lites</source>
        <translation>&amp;Destaque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Child only</source>
        <translation>Só no &amp;filho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Parent only</source>
        <translation>Só no &amp;pai</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Both</source>
        <translation>&amp;Ambos</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+101"/>
        <source>&amp;Child</source>
        <translation>&amp;Filho</translation>
    </message>
    <message>
        <location line="-99"/>
        <location line="+101"/>
        <source>Child &amp;%1</source>
        <translation>Filho &amp;%1</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>&amp;Parent click selects child</source>
        <translation>&amp;Clique no pai escolhe o filho</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Level &amp;1 (Top)</source>
        <translation>Camada &amp;1 (superior)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level &amp;2 (Bottom)</source>
        <translation>Camada &amp;2 (inferior)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pu&amp;zzle</source>
        <translation>&amp;Quebra-cabeça</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset Child</source>
        <translation>Reiniciar &amp;filho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;All</source>
        <translation>Reiniciar tu&amp;do</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset &amp;Parent</source>
        <translation>Reiniciar p&amp;ai</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+71"/>
        <source>&amp;Next Step</source>
        <translation>&amp;Próximo passo</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+70"/>
        <source>Appl&amp;y Step</source>
        <translation>Aplicar pa&amp;sso</translation>
    </message>
    <message>
        <location line="-67"/>
        <source>Show First &amp;Mistake</source>
        <translation>Mostrar primeiro &amp;erro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Solve Child</source>
        <translation>&amp;Resolver filho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Children</source>
        <translation>Resolver t&amp;odos os filhos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve P&amp;arent</source>
        <translation>Resol&amp;ver pai</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solve &amp;Tavrel</source>
        <translation>Resolver &amp;Tavrel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Game Help</source>
        <translation>Ajuda do jogo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku Site...</source>
        <translation>Site do Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Sobre o Tavrel Sudoku...</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+179"/>
        <source>Enter </source>
        <translation>Inserir </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Erase </source>
        <translation>Apagar </translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainMenus.cpp" line="+1"/>
        <source>Pencil </source>
        <translation>Anotar </translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+282"/>
        <source>&amp;Enter</source>
        <translation>&amp;Inserir</translation>
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
        <translation>Limpar (&amp;0)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Pencil</source>
        <translation>A&amp;notar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>Era&amp;se</source>
        <translation>Apa&amp;gar</translation>
    </message>
    <message>
        <location line="+12"/>
        <location filename="../game/ui/QVMainCompose.cpp" line="+1"/>
        <source>&amp;Hi Lite</source>
        <translation>Des&amp;tacar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;%1s</source>
        <translation>Número &amp;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Pairs</source>
        <translation>&amp;Pares</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None (&amp;0)</source>
        <translation>Nenhum (&amp;0)</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainCompose.cpp" line="-256"/>
        <source>These LEDs can be used to select the child puzzle</source>
        <translation>Use estes LEDs para escolher o quebra-cabeça filho</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>These bars can be used to select the child puzzle</source>
        <translation>Use estas barras para escolher o quebra-cabeça filho</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This option sets the value</source>
        <translation>Esta opção insere o valor</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Clr</source>
        <extracomment>The button that releases every digit button of the sheet.</extracomment>
        <translation>Tudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: release all</source>
        <translation>%1: soltar todos os botões</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>%1 sheet</source>
        <translation>aba %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Parent&apos;s digits</source>
        <translation>Números do pai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Child&apos;s digits</source>
        <translation>Números do filho</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Parent click selects child</source>
        <translation>Clique no pai abre o filho</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Enter</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter: delete</source>
        <translation>Inserir: apagar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pencil</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Hi Lite</source>
        <translation>Destacar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Hi Lite pairs</source>
        <translation>Destacar pares</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Next step</source>
        <translation>Próximo passo</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainEntry.cpp" line="+148"/>
        <source>Parent click selects child: on</source>
        <translation>Clique no pai escolhe o filho: ativado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parent click selects child: off</source>
        <translation>Clique no pai escolhe o filho: desativado</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+83"/>
        <source>Digit %1: 1 row</source>
        <translation>Número %1: em 1 linha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Digit %1: %2 rows</source>
        <translation>Número %1: em %2 linhas</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 of %3 entered</source>
        <extracomment>A progress bar&apos;s spoken name: a puzzle, how many squares are filled of how many.</extracomment>
        <translation>%1: %2 de %3 inseridos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Whole pyramid</source>
        <translation>Pirâmide inteira</translation>
    </message>
    <message>
        <location filename="../game/display/ProgressRules.h" line="+42"/>
        <source>Congratulations</source>
        <translation>Parabéns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Puzzle solved</source>
        <translation>Quebra-cabeça resolvido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sorry your solution is not correct.</source>
        <translation>Que pena, sua solução não está correta.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainGame.cpp" line="+54"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="-1"/>
        <source>Parent</source>
        <translation>Pai</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+217"/>
        <location filename="../game/ui/QVMainRefresh.cpp" line="+0"/>
        <source>Child %1</source>
        <translation>Filho %1</translation>
    </message>
    <message>
        <location line="-155"/>
        <source>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;No games were found.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Tavrel Sudoku looks for its issue files (*.ISS) in the folder&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Add them with &quot;Add Issue File...&quot; in the File menu, or put them there and start the game again.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:13pt&apos;&gt;&lt;b&gt;Nenhum jogo foi encontrado.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;O Tavrel Sudoku procura seus arquivos de edição (*.ISS) na pasta&lt;br&gt;&lt;b&gt;%1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Adicione-os com &quot;Adicionar arquivo de edição...&quot; no menu Arquivo, ou coloque-os nessa pasta e inicie o jogo de novo.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Unable to read puzzle - contact Tavrel Sudoku about your game files
%1</source>
        <translation>Não foi possível ler o quebra-cabeça - entre em contato com a Tavrel Sudoku sobre seus arquivos de jogo
%1</translation>
    </message>
    <message>
        <location filename="../game/ui/QVMainIssues.cpp" line="+13"/>
        <source>Add issue file</source>
        <translation>Adicionar arquivo de edição</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tavrel Sudoku issue files (*.ISS)|*.ISS;*.iss|All files (*.*)|*.*</source>
        <translation>Arquivos de edição do Tavrel Sudoku (*.ISS)|*.ISS;*.iss|Todos os arquivos (*.*)|*.*</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 was added with %2 games; &quot;Choose game...&quot; lists them.</source>
        <translation>%1 foi adicionado com %2 jogos; eles aparecem em &quot;Escolher jogo...&quot;.</translation>
    </message>
    <message>
        <location filename="../game/ui/QVUtils.cpp" line="+18"/>
        <source>Please check your installation. Also check if there has been an update.
Please inform us of this error message.</source>
        <translation>Verifique sua instalação e veja também se há uma atualização.
Informe-nos desta mensagem de erro.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>TfrmNewPyramid</name>
    <message>
        <location filename="../game/ui/NewPyramidDialog.cpp" line="+35"/>
        <source>Any layout</source>
        <translation>Qualquer layout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centres</source>
        <translation>Centros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diagonals</source>
        <translation>Diagonais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine apart</source>
        <translation>Nove separados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Box centres</source>
        <translation>Centros dos blocos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same places</source>
        <translation>Mesmas posições</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place diagonals</source>
        <translation>Diagonais das posições</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nine more</source>
        <translation>Mais nove</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One child</source>
        <translation>Um filho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Centre boxes</source>
        <translation>Blocos centrais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Same boxes</source>
        <translation>Mesmos blocos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to diagonals</source>
        <translation>Linhas em diagonais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rows to columns</source>
        <translation>Linhas em colunas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to diagonals</source>
        <translation>Colunas em diagonais</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Columns to rows</source>
        <translation>Colunas em linhas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Singles</source>
        <translation>Únicos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Locked Pairs</source>
        <translation>Pares travados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hidden Locked Pairs</source>
        <translation>Pares travados ocultos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Singles</source>
        <translation>Únicos vinculados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Locked Pairs</source>
        <translation>Pares travados vinculados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linked Hidden Locked Pairs</source>
        <translation>Pares travados ocultos vinculados</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>New Pyramid</source>
        <translation>Nova pirâmide</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Grade:</source>
        <translation>&amp;Nível:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <location filename="../game/ui/Options.cpp" line="+44"/>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;General</source>
        <translation>&amp;Geral</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Helpers</source>
        <translation>Au&amp;xílios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Appearance</source>
        <translation>&amp;Aparência</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Solving</source>
        <translation>Res&amp;olução</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Click to enter</source>
        <translation>Inserir ao clicar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mouse click sets value if only on possibile value left. (Ignores pencil marks.)</source>
        <translation>Um clique do mouse insere o valor quando só resta um valor possível. (Suas próprias anotações não contam.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show LEDs</source>
        <translation>Mostrar LEDs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn on/off the nearly completed indication LEDs. These can also be used  to select child grids.</source>
        <translation>Liga ou desliga os LEDs que indicam números quase completos. Eles também servem para escolher o filho.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Show progress bars</source>
        <translation>Mostrar barras de progresso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Value number same as Hi Lite</source>
        <translation>Inserir segue o número destacado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make Erase number same as Hi Lite</source>
        <translation>Apagar segue o número destacado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show hints on main screen</source>
        <translation>Mostrar dicas na tela principal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show congratulations when game solved</source>
        <translation>Mostrar parabéns ao resolver o jogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The game speaks the language chosen from its next start.</source>
        <translation>O jogo passa a usar o idioma escolhido na próxima vez que for iniciado.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>System</source>
        <extracomment>The choice of the language the system uses.</extracomment>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>the place to look</source>
        <translation>onde procurar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the house</source>
        <translation>a linha, coluna ou bloco</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the square</source>
        <translation>a célula</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the whole step</source>
        <translation>o passo inteiro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next Step shows at first:</source>
        <translation>Próximo passo mostra primeiro:</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Prevent removal of auto pencil marked solution  </source>
        <translation>Impedir que a solução seja apagada das anotações automáticas  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Wrong Entries </source>
        <translation> Valores errados </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Highlight &amp;Invalid Entries</source>
        <translation>Marcar valores &amp;inválidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highlight In&amp;correct Entries</source>
        <translation>Marcar valores in&amp;corretos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In&amp;valid Has Priority</source>
        <translation>&amp;Prioridade ao inválido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This setting gives slightly less hep than incorrect priority</source>
        <translation>Esta opção ajuda um pouco menos do que &quot;Prioridade ao incorreto&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inco&amp;rrect Has Priority</source>
        <translation>Prioridade ao inco&amp;rreto</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Pencil mark selected square only</source>
        <translation>Anotar só na célula selecionada</translation>
    </message>
    <message>
        <location line="+15"/>
        <source> Method to use </source>
        <translation> Método a usar </translation>
    </message>
    <message>
        <location line="+31"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <location filename="../game/ui/OptionsAppearance.cpp" line="+20"/>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <location line="+28"/>
        <source> Foreground </source>
        <translation> Primeiro plano </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Revealed value</source>
        <translation>Valor &amp;inicial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Entered Value</source>
        <translation>Valor ins&amp;erido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Invalid entry</source>
        <translation>Valor inváli&amp;do</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>In&amp;correct entry</source>
        <translation>Valor in&amp;correto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Pencil marks</source>
        <translation>Ano&amp;tações</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Selected square</source>
        <translation>Célula &amp;selecionada</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> LEDs </source>
        <translation> LEDs </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Off</source>
        <translation>A&amp;pagado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;8 Entries present</source>
        <translation>&amp;8 ocorrências</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;9 Entries Present</source>
        <translation>&amp;9 ocorrências</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Background </source>
        <translation> Fundo </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Normal cell</source>
        <translation>Célula &amp;normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Linked cell</source>
        <translation>Célula &amp;vinculada</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Hi Lites </source>
        <translation> Destaques </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Font</source>
        <translation>&amp;Letra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Background</source>
        <translation>&amp;Fundo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sche&amp;me</source>
        <translation>Esque&amp;ma</translation>
    </message>
    <message>
        <location filename="../game/ui/ColourBox.cpp" line="+70"/>
        <source>Custom...</source>
        <translation>Personalizar...</translation>
    </message>
</context>
<context>
    <name>TfrmStatistics</name>
    <message>
        <location filename="../game/ui/Statistics.cpp" line="+38"/>
        <source>Solving times by grade</source>
        <translation>Tempos de resolução por nível</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1: %2 solved, median %3</source>
        <translation>%1: %2 resolvidos, mediana %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+12"/>
        <source>No game solved yet</source>
        <translation>Nenhum jogo resolvido ainda</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>| median</source>
        <translation>| mediana</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Solved</source>
        <translation>Resolvidos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Best time</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Median time</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Without help</source>
        <translation>Sem ajuda</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Grade</source>
        <translation>Nível</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Issue</source>
        <translation>Edição</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By &amp;grade</source>
        <translation>Por &amp;nível</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By &amp;issue</source>
        <translation>Por &amp;edição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Made on this computer</source>
        <translation>Criados neste computador</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other games</source>
        <translation>Outros jogos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All games</source>
        <translation>Todos os jogos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There are no games listed.</source>
        <translation>Não há jogos na lista.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You have solved %1 of %2 games, %3 of them without help.</source>
        <translation>Você resolveu %1 de %2 jogos, %3 deles sem ajuda.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
</context>
</TS>
