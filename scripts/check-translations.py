#!/usr/bin/env python3
"""Checks the translation files in translations/: every message finished,
with the same %1..%9 and %n arguments as its English, one '&' accelerator
exactly where the English has one, the same HTML tags and '|' filter
separators; and, where Qt's lupdate is installed, that the files hold
exactly the texts the code has (scripts/update-translations.sh brings them
in line); and that each translated help page has its English page's links
and anchors. Usage: check-translations.py [ROOT]. Exits 1 on any fault."""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))


def accelerators(text):
    return len(re.findall(r'&(?=\S)', text.replace('&&', '')))


def arguments(text):
    return sorted(set(re.findall(r'%(?:\d|n)', text)))


def messages(path):
    """(context, source) -> (finished, translations) of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            source = message.findtext('source') or ''
            translation = message.find('translation')
            if message.get('numerus') == 'yes':
                forms = [form.text or '' for form in translation.iter('numerusform')]
            else:
                forms = [translation.text or '']
            found[(name, source)] = (translation.get('type') not in ('unfinished', 'obsolete', 'vanished'), forms)
    return found


def faults_of(path):
    faults = []
    for (context, source), (finished, forms) in messages(path).items():
        where = '%s: [%s] %r' % (os.path.basename(path), context, source[:60])
        if not finished:
            faults.append(where + ': unfinished')
            continue
        for text in forms:
            if source.strip() and not text.strip():
                faults.append(where + ': empty')
            if arguments(source) != arguments(text):
                faults.append(where + ': arguments %s, translation %s' % (arguments(source), arguments(text)))
            if accelerators(source) != accelerators(text):
                faults.append(where + ': %d accelerator(s), translation %d' % (accelerators(source), accelerators(text)))
            if source.count('|') != text.count('|'):
                faults.append(where + ": the '|' separators differ")
            if sorted(re.findall(r'</?\w+', source)) != sorted(re.findall(r'</?\w+', text)):
                faults.append(where + ': the HTML tags differ')
    return faults


def stale(paths):
    """The texts of the code the files lack or hold in vain, by lupdate."""
    lupdate = shutil.which('lupdate') or '/usr/lib/qt6/bin/lupdate'
    if not os.path.exists(lupdate):
        print('check-translations: lupdate not found, the files are not compared with the code')
        return []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, 'TavrelSudoku_xx.ts')
        subprocess.run([lupdate, '-silent', '-recursive', 'common', 'encrypt', 'game', '-tr-function-alias',
                        'QT_TRANSLATE_NOOP+=TR_TEXT,QT_TRANSLATE_NOOP+=TR_MARK', '-ts', fresh],
                       cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
        code = set(messages(fresh))
    faults = []
    for path in paths:
        held = set(messages(path))
        for context, source in sorted(code - held):
            faults.append('%s: [%s] %r: not in the file' % (os.path.basename(path), context, source[:60]))
        for context, source in sorted(held - code):
            faults.append('%s: [%s] %r: no longer in the code' % (os.path.basename(path), context, source[:60]))
    return faults


def help_faults():
    """Translated help pages: one for every English page, with its links and anchors."""
    faults = []
    english = os.path.join(ROOT, 'game', 'ui', 'help')
    pages = sorted(os.path.basename(p) for p in glob.glob(os.path.join(english, '*.html')))
    marks = lambda path: sorted(re.findall(r'(?:href|name)="([^"]*)"', open(path, encoding='utf-8').read()))
    for folder in sorted(glob.glob(os.path.join(english, '*', ''))):
        language = os.path.basename(os.path.dirname(folder))
        for page in pages:
            translated = os.path.join(folder, page)
            if not os.path.exists(translated):
                faults.append('help/%s/%s: missing' % (language, page))
            elif marks(translated) != marks(os.path.join(english, page)):
                faults.append('help/%s/%s: its links or anchors differ from the English page' % (language, page))
    return faults


def main():
    paths = sorted(glob.glob(os.path.join(ROOT, 'translations', 'TavrelSudoku_*.ts')))
    if not paths:
        print('check-translations: no translation files')
        return 1
    faults = [fault for path in paths for fault in faults_of(path)] + stale(paths) + help_faults()
    for fault in faults:
        print(fault)
    print('check-translations: %d file(s), %d fault(s)' % (len(paths), len(faults)))
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
