#!/usr/bin/env python3
"""What each Qt feature that build-qt switches off saves in the program's .wasm:
    python3 tools/web/feature_savings.py TRIMMED.wasm ALL.wasm QT_SOURCE_DIR
TRIMMED links the web Qt, ALL a Qt built the same way with those features on; both keep function
names (--profiling-funcs). Functions only ALL has are the code the features bring. A method goes
by its class (thunks, templates, Private/Data stripped) to the files named after or declaring it,
a free or C function to the files defining it; a file to the feature gating it: the CMake condition
or if() building it or its folder, QT_REQUIRE_CONFIG, or a QT_CONFIG/QT_NO_ guard round the file.
A feature needing a switched-off one is off with it (toolbar: mainwindow); an enabled one that only
one switched-off feature builds on counts for it (cssparser: style sheets); templates made for, and
functions taking, one feature's classes count for it. The rest, pulled in by several, is shared.
Data (tables, strings) cannot be split per feature; only its total shows.
"""

import gzip
import os
import re
import sys
from collections import defaultdict

MODULES = {'sql', 'network', 'dbus', 'concurrent', 'xml', 'testlib', 'printsupport', 'pdf'}


def leb(b, i):
    r = s = 0
    while b[i] & 0x80: r |= (b[i] & 0x7f) << s; s += 7; i += 1
    return r | b[i] << s, i + 1


def read_wasm(path):
    """Function bodies by name, section sizes by id (custom ones by name), the file without names."""
    b = open(path, 'rb').read(); i = 8; imports = 0; bodies = []; names = {}; sections = {}; unnamed = b
    while i < len(b):
        start = i; sid = b[i]; i += 1; size, i = leb(b, i); end = i + size; sections[sid] = size
        if sid == 2:  # imported functions take the first indices
            n, j = leb(b, i)
            for _ in range(n):
                l, j = leb(b, j); j += l; l, j = leb(b, j); j += l
                kind = b[j]; j += 1
                if kind == 0: imports += 1; _, j = leb(b, j)
                elif kind == 3: j += 2  # global: type, mutability
                elif kind == 4: _, j = leb(b, j + 1)  # tag: attribute, type
                else: f, j = leb(b, j + (kind == 1)); _, j = leb(b, j); j = leb(b, j)[1] if f & 1 else j  # limits
        elif sid == 10:
            n, j = leb(b, i)
            for _ in range(n):
                l, k = leb(b, j); bodies.append(b[j:k + l]); j = k + l
        elif sid == 0:
            l, j = leb(b, i); custom = b[j:j + l].decode(); j += l; sections[custom] = size
            if custom == 'name': unnamed = b[:start] + b[end:]
            while custom == 'name' and j < end:
                sub = b[j]; j += 1; sl, j = leb(b, j); se = j + sl
                if sub == 1:
                    n, k = leb(b, j)
                    for _ in range(n):
                        idx, k = leb(b, k); l, k = leb(b, k); names[idx] = b[k:k + l].decode('utf-8', 'replace'); k += l
                j = se
        i = end
    funcs = defaultdict(list)
    for k, body in enumerate(bodies):  # a repeated name is numbered, differently in each link: foo_1234
        funcs[re.sub(r'_\d{3,}$', '', names.get(imports + k, f'#{k}'))].append(body)
    return funcs, sections, b, unnamed


def positive_features(condition):
    return [f for neg, f in re.findall(r'(NOT\s+)?QT_FEATURE_(\w+)', condition) if not neg]


def index_qt(src):
    """Features gating each source file, files declaring each class, all sources, what features need."""
    gates, dirs, decls, code, requires = defaultdict(set), {}, defaultdict(set), [], defaultdict(set)
    for root, _, files in os.walk(src):
        for f in files:
            path = os.path.join(root, f)
            if f == 'CMakeLists.txt':
                text = re.sub(r'#.*', '', open(path, errors='replace').read()); stack = []
                for cmd, args in re.findall(r'(\w+)\s*\(((?:[^()]|\([^()]*\))*)\)', text):
                    cmd = cmd.lower(); conds = ' '.join(stack)
                    if cmd == 'if': stack.append(args)
                    elif cmd in ('elseif', 'else'): stack[-1:] = ['']
                    elif cmd == 'endif': stack[-1:] = []
                    elif cmd == 'add_subdirectory':
                        dirs[os.path.normpath(os.path.join(root, args.split()[0]))] = positive_features(conds)
                    elif 'SOURCES' in args.split():
                        head, _, tail = args.partition('SOURCES')
                        for s in re.findall(r'[\w/.+-]+\.(?:c|cpp|h)\b', tail):
                            gates[os.path.normpath(os.path.join(root, s))].update(positive_features(conds + head))
            elif f == 'configure.cmake':
                for name, body in re.findall(r'qt_feature\("([\w-]+)"((?:[^()]|\([^()]*\))*)\)', open(path).read()):
                    for needed in positive_features(' '.join(re.findall(r'CONDITION\s+(.*)', body))):
                        requires[name.replace('-', '_')].add(needed)
            elif f.endswith(('.c', '.cpp', '.h')):
                text = open(path, errors='replace').read(); code.append((path, text))
                gates[path].update(re.findall(r'QT_REQUIRE_CONFIG\((\w+)\)', text))
                lines = text.split('\n'); open_ifs = []
                for n, line in enumerate(lines):  # a guard whose block spans most of the file
                    if re.match(r'\s*#\s*if', line): open_ifs.append((n, line))
                    elif re.match(r'\s*#\s*endif', line) and open_ifs:
                        start, cond = open_ifs.pop()
                        if n - start > 0.6 * len(lines):
                            gates[path].update(re.findall(r'QT_CONFIG\((\w+)\)', cond),
                                               (x.lower() for x in re.findall(r'QT_NO_(\w+)', cond)))
                for name in re.findall(r'(?m)^\s*(?:class|struct|namespace)\s+(?:Q_\w+\s+)*(Q\w+)[^;{(]*\{', text):
                    decls[name].add(path)
    for path, _ in code:
        gates[path].update(*(feats for d, feats in dirs.items() if path.startswith(d + os.sep)))
    return gates, decls, code, requires


def free_definitions(code, wanted):
    """The files defining each wanted free or C function, also under a macro that renames it."""
    alias, where = defaultdict(set), defaultdict(set)
    for _, text in code:
        for macro, real in re.findall(r'(?m)^\s*#\s*define\s+(\w+)\s+(\w+)\s*$', text):
            if real in wanted: alias[macro].add(real)
    for path, text in code:
        for m in re.finditer(r'(?m)^[ \t]*(?:[A-Za-z_][\w \t*&:<>,]*?[\s*&])?([A-Za-z_]\w*)[ \t]*\(', text):
            if m.group(1) in wanted or m.group(1) in alias:
                rest = text[m.end():m.end() + 2000]; brace, semicolon = rest.find('{'), rest.find(';')
                if brace >= 0 and (semicolon < 0 or brace < semicolon):
                    for name in ({m.group(1)} & wanted) | alias[m.group(1)]: where[name].add(path)
    return where


def scopes(name):
    """The qualified name's scope components, outermost first; the last is the function's own."""
    name = re.split(r'::operator\W|::~', re.sub(r'^(?:non-)?virtual thunk to |\(anonymous namespace\)::', '', name))[0]
    while re.search(r'<[^<>]*>', name): name = re.sub(r'<[^<>]*>', '', name)
    return name.split('(')[0].split(' ')[-1].split('::')


def main(trimmed_path, all_path, qt_src):
    build_qt = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'build-qt')).read()
    off = re.search(r'\noff=\(([^)]*)\)', build_qt).group(1).split()
    key = {f.replace('-', '_'): f for f in off if f not in MODULES}
    trimmed, t_sections, t_file, t_unnamed = read_wasm(trimmed_path)
    full, a_sections, a_file, a_unnamed = read_wasm(all_path)
    new, gone, changed, net = [], 0, 0, 0
    for name in list(full) + [n for n in trimmed if n not in full]:
        a, t = full.get(name, []), trimmed.get(name, [])
        new += [(name, b) for b in a[len(t):]]; gone += sum(map(len, t[len(a):]))
        diffs = [len(x) - len(y) for x, y in zip(a, t) if len(x) != len(y)]; changed += len(diffs); net += sum(diffs)
    gates, decls, code, requires = index_qt(os.path.join(qt_src, 'src'))
    by_stem = defaultdict(set)
    for path in gates: by_stem[re.sub(r'(_p)?\.(cpp|c|h)$', '', os.path.basename(path))].add(path)
    defined = free_definitions(code, {scopes(n)[-1] for n, _ in new if len(scopes(n)) == 1})

    def feature_of(files):
        """A switched-off feature gating the files, else one they need, else their sole such user."""
        gating = set().union(*(gates.get(p, set()) | gates.get(re.sub(r'(_p)?\.h$', '.cpp', p), set()) for p in files))
        implied = set(gating)
        while more := set().union(*(requires[f] for f in implied)) - implied: implied |= more
        users = {f for f in key if requires[f] & gating}
        for feats in (gating, implied, users if len(users) == 1 else ()):
            if found := next((key[f] for f in key if f in feats), None): return found
        return None

    def agreed(files):  # a name in several files counts only if they all agree
        return found.pop() if len(found := {feature_of([p]) or '' for p in files}) == 1 else None

    def class_feature(cls):
        """'' when the class's files name no switched-off feature, None when no files are found."""
        base = re.sub(r'^Ui_|(Private|Data)$', '', cls)
        if base[1:].lower() in key: return key[base[1:].lower()]  # QMovie, QTabletEvent
        if files := by_stem.get(base.lower()): return feature_of(files) or ''
        return agreed(decls.get(cls, set()) | decls.get(base, set()))

    def attribute(name):
        parts = scopes(name)
        if len(parts) == 1 and '<' not in name: own = agreed(defined.get(parts[0], ()))
        else: own = next((f for cls in parts[:-1] if (f := class_feature(cls)) is not None), None)
        return own or next((f for cls in re.findall(r'\bQ[A-Z]\w+', name) if (f := class_feature(cls))), None)

    rows = defaultdict(list)
    for name, body in new: rows[attribute(name)].append((name, body))

    def row(label, funcs, note=''):
        code = b''.join(b for _, b in funcs)
        print(f'| {label} | {len(funcs):,} | {len(code):,} | {len(gzip.compress(code, 9)) if code else 0:,} | {note} |')

    print('| feature switched off | functions | code bytes | gzip -9 bytes, alone | note |\n|---|--:|--:|--:|---|')
    for f in off:
        if f in MODULES: print(f'| {f} | 0 | 0 | 0 | module, not linked |')
        else: row(f, rows[f], '' if rows[f] else 'no code of its own linked')
    row('shared by several / not attributable', rows[None])
    row('all functions only the all-features build has', new)
    new_bytes = sum(len(b) for _, b in new)
    print(f'\n{1 - sum(len(b) for _, b in rows[None]) / new_bytes:.0%} of the new code bytes are attributed to a named '
          'feature. The biggest shared or not attributable functions:\n')
    for name, body in sorted(rows[None], key=lambda x: -len(x[1]))[:10]: print(f'- {len(body):,} `{name[:110]}`')

    gz = lambda b: len(gzip.compress(b, 9))
    print('\n| bytes | trimmed | all features | difference |\n|---|--:|--:|--:|')
    for label, t, a in (('code section', t_sections[10], a_sections[10]),
                        ('data section', t_sections.get(11, 0), a_sections.get(11, 0)),
                        ('name section', t_sections.get('name', 0), a_sections.get('name', 0)),
                        ('whole file', len(t_file), len(a_file)), ('whole file, gzip -9', gz(t_file), gz(a_file)),
                        ('without names', len(t_unnamed), len(a_unnamed)),
                        ('without names, gzip -9', gz(t_unnamed), gz(a_unnamed))):
        print(f'| {label} | {t:,} | {a:,} | {a - t:,} |')
    print(f'\nThe code difference is the new functions, {new_bytes:,}, less those only the trimmed build has, {gone:,},'
          f' plus the net change of the {changed:,} in both whose size changed, {net:,}. The whole files\' difference'
          ' also counts the name section: function names are kept only in these measuring builds. The shipped'
          ' .wasm has none, so its saving is the one without names.')

if __name__ == '__main__':
    if len(sys.argv) != 4: sys.exit(__doc__)
    main(*sys.argv[1:])
