#!/usr/bin/env python3
"""Lists every string literal the player would read that does not go
through translation: a literal handed straight to a caption, a hint, a
spoken name, a message box or an exception, in the window layers and the
layers below them. Texts that are the same in every language (the
product's name, messages only a programmer could meet) are listed in
scripts/untranslated-texts.txt. Exits 1 when it finds any other.

Usage: scripts/check-texts.py [ROOT]"""
import os
import re
import sys

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
FOLDERS = ['common', 'encrypt', 'game']

# Calls whose text argument the player reads.
SINKS = r'(?:setText|setWindowTitle|setToolTip|setStatusTip|setAccessibleName|setAccessibleDescription|' \
        r'setPlaceholderText|setTitle|addItem|addTab|AddPage|MakeSheet|MakeOptionBox|MakeOptionsGroup|' \
        r'MakeColourBox|Message|Question|SetSpokenName|Say|SetAccessibleGridName|' \
        r'new\s+Q(?:PushButton|Label|CheckBox|RadioButton|GroupBox|ToolButton|Action)|' \
        r'Exception|E[A-Z]\w*Error|E[A-Z]\w*Exception|ShowMessage|ShowInstallationError)'
LITERAL = r'(?:QStringLiteral|QLatin1String|QString::fromLatin1|QString::fromUtf8|Format)?\s*\(?\s*"((?:[^"\\]|\\.)*)"'
CALL = re.compile(SINKS + r'\s*\(([^;]*)')
WORDS = re.compile(r'[A-Za-z]{2,}[^"]*\s[A-Za-z]|^[A-Z][a-z]{2,}')


def allowed():
    path = os.path.join(ROOT, 'scripts', 'untranslated-texts.txt')
    texts = set()
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if line and not line.startswith('#'):
                texts.add(line)
    return texts


def literals_of(arguments):
    """The literals among a call's arguments that are not marked for translation."""
    found = []
    # Cut the arguments at the call's closing bracket.
    depth, end = 1, len(arguments)
    for i, c in enumerate(arguments):
        if c == '(':
            depth += 1
        elif c == ')':
            depth -= 1
            if depth == 0:
                end = i
                break
    text = arguments[:end]
    # Anything inside a translation call is translated.
    text = re.sub(r'\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|TR_TEXT|TR_MARK)\s*\((?:[^()]|\([^()]*\))*\)', '', text)
    text = re.sub(r'setObjectName\s*\([^)]*\)', '', text)
    for m in re.finditer(r'"((?:[^"\\]|\\.)*)"', text):
        found.append(m.group(1))
    return found


def main():
    permitted = allowed()
    problems = []
    for folder in FOLDERS:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                if not name.endswith(('.cpp', '.h')):
                    continue
                path = os.path.join(base, name)
                with open(path, encoding='utf-8') as f:
                    source = f.read()
                # Comments say nothing to the player.
                code = re.sub(r'//[^\n]*', lambda m: ' ' * len(m.group(0)), source)
                for call in CALL.finditer(code):
                    for text in literals_of(call.group(1)):
                        if not WORDS.search(text) or text in permitted:
                            continue
                        line = code.count('\n', 0, call.start()) + 1
                        problems.append('%s:%d: "%s"' % (os.path.relpath(path, ROOT), line, text))
    for problem in problems:
        print(problem)
    print('check-texts: %d text(s) the player reads without translation' % len(problems))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
