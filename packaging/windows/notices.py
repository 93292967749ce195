#!/usr/bin/env python3
"""The notices of what the Windows packages ship, from the build itself.

  notices.py harvest --source QT_SOURCE [--build QT_BUILD [--built-from DIR]] --dsc FILE --out DIR --recipe FILE...
      Keeps, beside the Windows Qt, what its source and build say about the code in it: every
      qt_attribution.json with the licence files it names, Qt's LICENSES, Debian's copyright
      and patch series, the .dsc, the build recipe and, from the build's own graph (build.ninja
      and the compiler's dependency log, or build.ninja alone after a configure-only run), which
      attributed code each DLL and plugin is built from.
  notices.py write --package DIR --qt-prefix PREFIX --compiler CXX --licence COPYRIGHT
      Writes DIR/licences for the binaries DIR holds.
  notices.py install-dlls --package DIR --objdump OBJDUMP --folder DIR... [--strip STRIP]
      Copies in the DLLs the package's binaries import from those folders, transitively.
  notices.py licence-page --licence COPYRIGHT --out FILE
      The installer's licence page.
  notices.py check --package DIR_OR_ZIP --qt-prefix PREFIX --compiler CXX --objdump OBJDUMP
                   --system-dir SYSTEM32 --licence COPYRIGHT
      Fails if a binary imports a DLL that is neither in the package nor Windows' own, if a DLL
      is in it that nothing loads, or if anything in it lacks its notice. It reads the package
      and the build, not what write chose, so that the two cannot drift apart together.
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from collections import defaultdict
from pathlib import Path

NOTICES = 'share/quillmark-notices'
PROGRAM = 'quillmark.exe'


# ---------------------------------------------------------------- Qt's attribution files

def attribution_entries(source):
    """(directory relative to the source, entry) for every qt_attribution.json entry."""
    for path in sorted(Path(source).rglob('qt_attribution.json')):
        data = json.loads(path.read_text(encoding='utf-8'), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            yield path.parent.relative_to(source).as_posix(), plain_entry(entry)


def plain_entry(entry):
    """The entry with one string per field: newer Qt releases write some fields (Files,
    Copyright) as a list of lines, older ones as a single string."""
    return {key: (' ' if key == 'Files' else '\n').join(value)
            if isinstance(value, list) and key != 'LicenseFiles' else value
            for key, value in entry.items()}


def licence_files(entry):
    files = entry.get('LicenseFiles') or ([entry['LicenseFile']] if entry.get('LicenseFile') else [])
    if entry.get('CopyrightFile'):
        files.append(entry['CopyrightFile'])
    return files


def entry_key(directory, entry):
    return f"{directory}#{entry['Id']}"


def covered_files(entry):
    return [name for name in re.split(r'[,\s]+', entry.get('Files', '')) if name]


# ---------------------------------------------------------------- what each binary is built from

def ninja(build, *arguments):
    return subprocess.run(['ninja', '-C', str(build), *arguments], check=True,
                          capture_output=True, text=True).stdout


def compiler_dependencies(build):
    """Object file -> the files its compiler read, from ninja's dependency log."""
    dependencies, current = defaultdict(list), None
    for line in ninja(build, '-t', 'deps').splitlines():
        if line and not line.startswith(' '):
            current = line.split(':')[0]
        elif line.strip() and current:
            dependencies[current].append(line.strip())
    return dependencies


BINARY_TARGET = re.compile(r'^((?:bin|plugins/[^/:]+)/[^/:]+\.dll):', re.M)


def built_binaries(build):
    """The DLLs and plugins the build makes, named as the prefix holds them."""
    return sorted(BINARY_TARGET.findall(ninja(build, '-t', 'targets', 'all')))


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def compile_edges(build):
    """Object file -> (its source, the folders its compilation searches for includes), from
    build.ninja: what a configure-only build has instead of the compiler's log."""
    edges, current = {}, None
    for line in (Path(build) / 'build.ninja').read_text().splitlines():
        if line.startswith('build ') and '.obj' in line.split(':')[0]:
            output, rest = line[len('build '):].split(': ', 1)
            inputs = rest.split(' | ')[0].split(' || ')[0].split()[1:]
            current = output.split(' | ')[0]
            edges[current] = (inputs[0] if inputs else None, ())
        elif line.startswith('  INCLUDES = ') and current in edges:
            folders = tuple(f[2:] for f in line.split('=', 1)[1].split() if f.startswith('-I'))
            edges[current] = (edges[current][0], folders)
        elif not line.startswith(' '):
            current = None
    return edges


class IncludeScanner:
    """The files a compilation reads, found by following its #include lines through the same
    folders the compiler searches. Conditions are not evaluated, so it errs towards more."""

    def __init__(self):
        self.names = {}

    def included(self, path):
        if path not in self.names:
            try:
                text = Path(path).read_text(encoding='utf-8', errors='replace')
            except OSError:
                text = ''
            self.names[path] = INCLUDE.findall(text)
        return self.names[path]

    def reachable(self, sources, folders):
        seen, pending = set(), [os.path.normpath(s) for s in sources]
        while pending:
            path = pending.pop()
            if path in seen or not os.path.isfile(path):
                continue
            seen.add(path)
            for kind, name in self.included(path):
                searched = ([os.path.dirname(path)] if kind == '"' else []) + list(folders)
                for folder in searched:
                    candidate = os.path.normpath(os.path.join(folder, name))
                    if os.path.isfile(candidate):
                        pending.append(candidate)
                        break
        return seen


def files_of_binaries(build, source):
    """Binary (relative to the prefix) -> the source files built into it and not into a DLL it
    links: its own inputs, and what their compilation read."""
    source = Path(os.path.abspath(source))
    binaries = built_binaries(build)
    inputs = {binary: set(ninja(build, '-t', 'inputs', binary).split()) for binary in binaries}
    dependencies = compiler_dependencies(build) if (Path(build) / '.ninja_deps').exists() else None
    edges = compile_edges(build) if dependencies is None else {}
    scanner = IncludeScanner()
    result = {}
    for binary in binaries:
        own = set(inputs[binary])
        for other in binaries:
            if other != binary and inputs[other] <= inputs[binary]:
                own -= inputs[other]
        read = set(own)
        if dependencies is not None:
            for item in own:
                read.update(dependencies.get(item, ()))
        else:
            by_folders = defaultdict(list)
            for item in own:
                if item in edges and edges[item][0]:
                    by_folders[edges[item][1]].append(edges[item][0])
            for folders, sources in by_folders.items():
                read.update(scanner.reachable(sources, folders))
        relative = set()
        for item in read:
            path = Path(os.path.normpath(item if os.path.isabs(item) else Path(build) / item))
            if path.is_relative_to(source):
                relative.add(path.relative_to(source).as_posix())
        result[binary] = relative
    return result


GENERATED_BY = re.compile(rb'generated by (\w+)', re.I)


def entries_built_in(files, entries, source):
    """The attribution entries whose code or data a binary's files hold. Qt's generators (util/)
    leave their output in the module's sources, which say which generator made them."""
    generators = set()
    for name in files:
        path = Path(source) / name
        if path.suffix in ('.cpp', '.h', '.c') and path.is_file():
            generators.update(m.decode().lower() for m in GENERATED_BY.findall(path.read_bytes()))
    keys = []
    for directory, entry in entries:
        named = covered_files(entry)
        if directory.startswith('util/'):
            hit = Path(directory).name.lower() in generators
        elif named:
            hit = any(f'{directory}/{name}' in files for name in named)
        else:
            hit = any(name.startswith(directory + '/') for name in files)
        if hit:
            keys.append(entry_key(directory, entry))
    return keys


def harvest(arguments):
    source, out = Path(arguments.source), Path(arguments.out)
    if out.exists():
        shutil.rmtree(out)
    kept = out / 'source'
    entries = list(attribution_entries(source))
    wanted = {'debian/copyright', 'debian/patches/series'}
    wanted.update(p.relative_to(source).as_posix() for p in (source / 'LICENSES').glob('*'))
    for directory, entry in entries:
        wanted.add(f'{directory}/qt_attribution.json')
        wanted.update(os.path.normpath(f'{directory}/{name}') for name in licence_files(entry))
    for name in sorted(wanted):
        # Debian's source leaves out some of what upstream attributes; a component shipped
        # without its licence file fails write and check, not the harvest.
        if not (source / name).is_file():
            print(f'harvest: {name} is named but not in the source', file=sys.stderr)
            continue
        (kept / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(source / name, kept / name)
    shutil.copy2(arguments.dsc, out / Path(arguments.dsc).name)
    (out / 'recipe').mkdir()
    for recipe in arguments.recipe:
        shutil.copy2(recipe, out / 'recipe' / Path(recipe).name)
    (out / 'options.txt').write_text(''.join(o + '\n' for o in arguments.option))
    (out / 'version.txt').write_text(arguments.version + '\n')
    if arguments.build:
        files = files_of_binaries(arguments.build, arguments.built_from or source)
        built = {binary: entries_built_in(names, entries, source) for binary, names in files.items()}
        method = ('ninja dependency log' if (Path(arguments.build) / '.ninja_deps').exists()
                  else 'build.ninja and the sources\' includes, unevaluated')
        (out / 'built-in.json').write_text(json.dumps(
            {'method': method, 'binaries': built}, indent=1) + '\n')


# ---------------------------------------------------------------- the package's origins

def read_notices(prefix):
    notices = Path(prefix) / NOTICES
    built = json.loads((notices / 'built-in.json').read_text())['binaries']
    entries = {entry_key(d, e): (d, e) for d, e in attribution_entries(notices / 'source')}
    return notices, built, entries, (notices / 'version.txt').read_text().strip()


def pe_files(package):
    for path in sorted(Path(package).rglob('*')):
        if path.is_file() and path.read_bytes()[:2] == b'MZ':
            yield path.relative_to(package).as_posix()


def qt_binary(prefix, shipped):
    """The Qt prefix's name of a shipped Qt DLL or plugin, or None."""
    for candidate in (f'bin/{shipped}', f'plugins/{shipped}'):
        if (Path(prefix) / candidate).is_file():
            return candidate
    return None


def runtime_origin(compiler, name):
    """The file the compiler links against by that name, and the Debian package that holds
    it, or (None, None)."""
    found = subprocess.run([compiler, f'-print-file-name={name}'], capture_output=True,
                           text=True).stdout.strip()
    if not os.path.isabs(found) or not os.path.isfile(found):
        return None, None
    found = os.path.realpath(found)
    owner = subprocess.run(['dpkg', '-S', found], capture_output=True, text=True)
    if owner.returncode != 0:
        return found, None
    return found, owner.stdout.split(':')[0].strip()


NSIS_STUBS = '/usr/share/nsis/Stubs'
NSIS_MARK = b'NullsoftInst'


def nsis_owner():
    """The Debian package whose code NSIS puts at the head of every installer it makes and of
    the uninstaller that writes."""
    owner = subprocess.run(['dpkg', '-S', NSIS_STUBS], capture_output=True, text=True)
    if owner.returncode != 0:
        sys.exit(f'notices: no package holds {NSIS_STUBS}')
    return owner.stdout.split(':')[0].strip()


def debian_copyright(package):
    return Path(os.path.realpath(f'/usr/share/doc/{package}/copyright'))


def licence_text(copyright_file):
    """The program's licence, as packaging/copyright states it, in plain paragraphs."""
    lines, inside = [], False
    for line in Path(copyright_file).read_text().splitlines():
        if line.startswith('License:'):
            inside = True
            continue
        if inside:
            if not line.startswith(' '):
                break
            lines.append('' if line.strip() == '.' else line.strip())
    return '\n'.join(lines)


# ---------------------------------------------------------------- write

def text_block(*parts):
    return '\n'.join(parts).rstrip('\n') + '\n'


def write_entry(notices, directory, entry, binaries):
    names = licence_files(entry)
    header = [entry.get('Name', entry['Id']) + (f" {entry['Version']}" if entry.get('Version') else ''),
              '=' * 72,
              f"In: {', '.join(binaries)}",
              f"Homepage: {entry.get('Homepage', '-')}",
              f"Licence: {entry.get('License', '-')} ({entry.get('LicenseId') or 'no licence id'})",
              f"Copyright: {entry.get('Copyright', '-')}", '']
    files = [notices / 'source' / os.path.normpath(f'{directory}/{n}') for n in names]
    missing = [str(f) for f in files if not f.is_file()]
    if missing:
        sys.exit(f"write: {', '.join(binaries)} hold {entry['Id']}, whose licence is not in "
                 f"Qt's source: {', '.join(missing)}")
    body = [f.read_text(encoding='utf-8', errors='replace') for f in files]
    if not names:
        body = [f"{entry.get('Name', entry['Id'])}: {entry.get('License', 'no licence')}."]
    return text_block(*header, *body)


def write(arguments):
    package, prefix = Path(arguments.package), Path(arguments.qt_prefix)
    notices, built, entries, qt_version = read_notices(prefix)
    out = package / 'licences'
    if out.exists():
        shutil.rmtree(out)
    (out / 'Qt-third-party').mkdir(parents=True)
    (out / 'MinGW-w64').mkdir()
    rows, qt_shipped, third_party, runtime = [], [], defaultdict(list), defaultdict(list)
    crt, crt_owner = runtime_origin(arguments.compiler, 'crt2.o')
    if not crt_owner:
        sys.exit('write: the package that holds MinGW-w64\'s C runtime is unknown')
    for shipped in pe_files(package):
        qt = qt_binary(prefix, shipped)
        runtime[crt_owner].append(shipped)
        if shipped == PROGRAM:
            rows.append((shipped, 'Quillmark', 'Quillmark.txt'))
        elif qt:
            qt_shipped.append(shipped)
            rows.append((shipped, f'Qt {qt_version}', 'LGPL-3.0.txt, Qt.txt'))
            for key in built.get(qt, []):
                third_party[key].append(shipped)
        else:
            found, owner = runtime_origin(arguments.compiler, Path(shipped).name)
            if not owner:
                sys.exit(f'write: where {shipped} comes from is unknown')
            runtime[owner].append(shipped)
            rows.append((shipped, f'MinGW-w64 runtime ({owner})', f'MinGW-w64/{owner}.txt'))
    if not qt_shipped:
        sys.exit('write: the package holds no Qt')

    (out / 'Quillmark.txt').write_text(text_block(
        'Quillmark', '=' * 72, licence_text(arguments.licence)))
    shutil.copy2(notices / 'source/LICENSES/LGPL-3.0-only.txt', out / 'LGPL-3.0.txt')
    shutil.copy2(notices / 'source/LICENSES/GPL-3.0-only.txt', out / 'GPL-3.0.txt')
    (out / 'Qt.txt').write_text(qt_notice(qt_version, qt_shipped, notices))
    (out / 'Qt-source.txt').write_text(qt_source(qt_version, notices))
    (out / 'Qt-build').mkdir()
    for recipe in sorted((notices / 'recipe').iterdir()):
        shutil.copy2(recipe, out / 'Qt-build' / recipe.name)
    shutil.copy2(next(notices.glob('*.dsc')), out / 'Qt-build')
    shutil.copy2(notices / 'source/debian/patches/series', out / 'Qt-build/debian-patches-series')
    for key, binaries in sorted(third_party.items()):
        directory, entry = entries[key]
        (out / 'Qt-third-party' / f"{entry['Id']}.txt").write_text(
            write_entry(notices, directory, entry, binaries))
    for owner, binaries in sorted(runtime.items()):
        (out / 'MinGW-w64' / f'{owner}.txt').write_text(text_block(
            f'Debian package {owner}, built into or shipped as: {", ".join(dict.fromkeys(binaries))}',
            '=' * 72, debian_copyright(owner).read_text()))
    nsis = nsis_owner()
    (out / 'NSIS.txt').write_text(text_block(
        f'Debian package {nsis}: the code of the installer and of the uninstaller it installs',
        '=' * 72, debian_copyright(nsis).read_text()))
    (out / 'README.txt').write_text(readme(rows, third_party, entries, runtime, crt))


def qt_notice(version, shipped, notices):
    return text_block(
        f'Qt {version}', '=' * 72,
        f"This package holds Qt's {', '.join(shipped)}.",
        'Qt is Copyright (C) The Qt Company Ltd. and other contributors.',
        'Quillmark uses Qt under the GNU Lesser General Public License version 3 (LGPL-3.0.txt),',
        'which builds on the GNU General Public License version 3 (GPL-3.0.txt). Qt\'s DLLs and',
        'plugins sit beside quillmark.exe so that you can replace them with a version of your own',
        'built from the same or a modified source (Qt-source.txt says where it is and how it',
        'was built); the third-party code built into them is listed, with its licences, in',
        'Qt-third-party/.', '',
        "Debian's record of the copyright holders and licences of every file of the qt6-base",
        'source this Qt is built from:', '',
        (notices / 'source/debian/copyright').read_text())


def qt_source(version, notices):
    dsc = next(notices.glob('*.dsc'))
    options = (notices / 'options.txt').read_text().split()
    series = [line for line in (notices / 'source/debian/patches/series').read_text().splitlines()
              if line.strip() and not line.startswith('#')]
    return text_block(
        f'The source of the Qt in this package', '=' * 72,
        f"Qt is built from Debian's qt6-base source package, version {version}, as Debian",
        'distributes it (Qt-build/' + dsc.name + ' names its files and their checksums):', '',
        f'  apt-get source qt6-base={version}     (on Debian, with deb-src lines)',
        f'  https://snapshot.debian.org/package/qt6-base/{version}/', '',
        "With Debian's patches applied, in this order (Qt-build/debian-patches-series):",
        *[f'  {patch}' for patch in series], '',
        'Configured with MinGW-w64 (cross-compiling from Debian, toolchain in',
        'Qt-build/mingw-w64-x86_64.cmake) and these options:',
        *[f'  {option}' for option in options], '',
        'The script that fetches, configures and builds it, as the LGPL counts it as part of the',
        "source, is Qt-build/windows (Quillmark's scripts/windows; its build_qt step).")


def readme(rows, third_party, entries, runtime, crt):
    lines = ['What this package holds, and under which licence', '=' * 72, '']
    width = max(len(row[0]) for row in rows)
    lines += [f'  {name:<{width}}  {origin}; {notice}' for name, origin, notice in rows]
    lines += ['', 'Built into the Qt DLLs and plugins (Qt-third-party/):']
    for key, binaries in sorted(third_party.items(), key=lambda item: entries[item[0]][1]['Id']):
        entry = entries[key][1]
        lines.append(f"  {entry['Id']}.txt: {entry.get('Name', entry['Id'])}, "
                     f"{entry.get('LicenseId') or entry.get('License', '-')} ({', '.join(binaries)})")
    freetype = [entries[key][1] for key in third_party if entries[key][1]['Id'] == 'freetype']
    if freetype:
        # The credit FreeType's licence asks of the documentation, with the year of the version.
        year = max(re.findall(r'\b(?:19|20)\d\d\b', freetype[0].get('Copyright', '')) or ['2022'])
        lines += ['', f'Portions of this software are copyright (c) {year} The FreeType Project',
                  '(www.freetype.org). All rights reserved.']
    lines += ['', f'Every binary links the MinGW-w64 C runtime start-up code ({Path(crt).name});',
              'its licences and those of the runtime DLLs are in MinGW-w64/.', '',
              'LGPL-3.0.txt and GPL-3.0.txt: the licences Qt is used under.',
              "Qt.txt: Qt's own notice. Qt-source.txt: where Qt's source is and how it was built.",
              "NSIS.txt: the licences of the installer's and the uninstaller's own code.",
              'No fonts are shipped: the program uses the fonts Windows has.']
    return text_block(*lines)


def licence_page(arguments):
    """The installer's licence page, in Windows' line endings: the program's licence, and the
    notice the LGPL asks for, prominent, that Qt is in the package and is covered by it."""
    page = text_block(
        'Quillmark', '', licence_text(arguments.licence), '',
        'Quillmark uses the Qt libraries, version 6, which are covered by the GNU Lesser General',
        'Public License version 3, and the MinGW-w64 runtime libraries, each under its own',
        'licence. They are installed beside the program as separate DLLs, which you may replace',
        "with versions of your own. Their licences and notices, and where Qt's source is, are",
        'installed with the program in its licences folder (licences\\README.txt).')
    Path(arguments.out).write_bytes(page.replace('\n', '\r\n').encode('utf-8'))


# ---------------------------------------------------------------- install-dlls

def install_dlls(arguments):
    """Copies into the package every DLL its binaries import, transitively, that one of the
    folders holds; what none holds is Windows' own. Windows matches DLL names in any case."""
    package = Path(arguments.package)
    found = {}
    for folder in arguments.folder:
        for path in sorted(Path(folder).glob('*.dll')) if Path(folder).is_dir() else []:
            found.setdefault(path.name.lower(), path)
    pending = list(pe_files(package))
    shipped = {Path(b).name.lower() for b in pending}
    while pending:
        for name in imports(arguments.objdump, package / pending.pop()):
            if name.lower() in found and name.lower() not in shipped:
                shipped.add(name.lower())
                shutil.copyfile(found[name.lower()], package / name)
                if arguments.strip:
                    subprocess.run([arguments.strip, '--strip-unneeded', str(package / name)],
                                   check=True)
                pending.append(name)


# ---------------------------------------------------------------- check

def normalised(text):
    return '\n'.join(line.rstrip() for line in text.replace('\r\n', '\n').splitlines()).strip()


def imports(objdump, path):
    out = subprocess.run([objdump, '-p', str(path)], check=True, capture_output=True,
                         text=True).stdout
    return re.findall(r'DLL Name: (\S+)', out)


# Windows' API sets: names its loader maps to its own DLLs, with no file of their own.
API_SET = re.compile(r'^(api|ext)-ms-win-[a-z0-9-]+\.dll$')


def plugin_types(prefix):
    types = set()
    for targets in Path(prefix, 'lib/cmake').glob('Qt6*/Qt6*Targets.cmake'):
        for found in re.findall(r'MODULE_PLUGIN_TYPES "([^"]*)"', targets.read_text()):
            types.update(found.split(';'))
    return types


class Checker:
    def __init__(self):
        self.failed = 0

    def require(self, ok, what):
        print(('PASS ' if ok else 'FAIL ') + what)
        self.failed += not ok


def check(arguments):
    with tempfile.TemporaryDirectory() as unpacked:
        package = Path(arguments.package)
        if zipfile.is_zipfile(package):
            zipfile.ZipFile(package).extractall(unpacked)
            package = Path(unpacked)
        return check_folder(arguments, package)


def check_folder(arguments, package):
    prefix = Path(arguments.qt_prefix)
    notices, built, entries, qt_version = read_notices(prefix)
    system = {p.name.lower() for p in Path(arguments.system_dir).iterdir()}
    is_windows = lambda name: name.lower() in system or API_SET.match(name.lower())
    binaries = list(pe_files(package))
    shipped_names = {Path(b).name.lower(): b for b in binaries if Path(b).parent == Path('.')}
    texts = [normalised(p.read_text(encoding='utf-8', errors='replace'))
             for p in (package / 'licences').rglob('*') if p.is_file()] \
        if (package / 'licences').is_dir() else []
    result = Checker()

    def has_notice(text):
        wanted = normalised(text)
        return bool(wanted) and any(wanted in t for t in texts)

    print(f'--- what {arguments.package} holds')
    for path in sorted(package.rglob('*')):
        if path.is_file() and 'licences' not in path.relative_to(package).parts:
            print(f'  {path.stat().st_size:>10}  {path.relative_to(package).as_posix()}')
    licences = [p for p in (package / 'licences').rglob('*') if p.is_file()]
    print(f'  {sum(p.stat().st_size for p in licences):>10}  licences/ ({len(licences)} files)')

    print('--- what each binary imports: shipped beside it, or Windows\' own')
    loaded = set()
    for binary in binaries:
        names = imports(arguments.objdump, package / binary)
        print(f'  {binary}: ' + ', '.join(
            n + (' (shipped)' if n.lower() in shipped_names else
                 ' (Windows)' if is_windows(n) else ' (MISSING)') for n in names))
        for name in names:
            loaded.add(name.lower())
            result.require(name.lower() in shipped_names or bool(is_windows(name)),
                           f'{binary} finds {name}')
    types = plugin_types(prefix)
    for binary in binaries:
        if binary.endswith('.exe'):
            continue
        folder = Path(binary).parent.as_posix()
        is_plugin = folder in types and b'QTMETADATA' in (package / binary).read_bytes()
        result.require(Path(binary).name.lower() in loaded or is_plugin,
                       f'{binary} is loaded: ' + ('a Qt plugin in its folder' if is_plugin
                                                  else 'imported by a binary in the package'))

    print('--- every notice')
    result.require(has_notice(licence_text(arguments.licence)), "the program's licence")
    crt, crt_owner = runtime_origin(arguments.compiler, 'crt2.o')
    result.require(bool(crt_owner) and has_notice(debian_copyright(crt_owner).read_text()),
                   f'the MinGW-w64 C runtime linked into every binary ({crt_owner})')
    qt_found = False
    for binary in binaries:
        qt = qt_binary(prefix, binary)
        if binary == PROGRAM:
            continue
        if NSIS_MARK in (package / binary).read_bytes():
            result.require(has_notice(debian_copyright(nsis_owner()).read_text()),
                           f"{binary}: the uninstaller, NSIS's code ({nsis_owner()})")
            continue
        if not qt:
            found, owner = runtime_origin(arguments.compiler, Path(binary).name)
            result.require(bool(owner) and has_notice(debian_copyright(owner).read_text()),
                           f'{binary}: {owner or "of unknown origin"}')
            continue
        qt_found = True
        if qt not in built:
            result.require(False, f'{binary}: the Qt build records what is in it')
        for key in built.get(qt, []):
            directory, entry = entries[key]
            names = licence_files(entry)
            # Its licence texts, and what no other component's notice says: who holds it.
            files = [notices / 'source' / os.path.normpath(f'{directory}/{n}') for n in names]
            texts_needed = [f.read_text(encoding='utf-8', errors='replace') if f.is_file() else ''
                            for f in files]
            texts_needed += [entry.get('Copyright') or entry.get('Name', entry['Id'])]
            result.require(all(has_notice(t) for t in texts_needed),
                           f"{binary}: {entry['Id']} ({entry.get('LicenseId') or 'no licence id'})")
    if qt_found:
        source = notices / 'source'
        result.require(has_notice((source / 'LICENSES/LGPL-3.0-only.txt').read_text()), 'Qt: LGPL 3')
        result.require(has_notice((source / 'LICENSES/GPL-3.0-only.txt').read_text()), 'Qt: GPL 3')
        result.require(has_notice((source / 'debian/copyright').read_text()),
                       "Qt: its own notice (Debian's copyright of qt6-base)")
        series = [line for line in (source / 'debian/patches/series').read_text().splitlines()
                  if line.strip() and not line.startswith('#')]
        options = (notices / 'options.txt').read_text().split()
        result.require(all(has_notice(f'  {item}') for item in series + options) and
                       has_notice(f'qt6-base={qt_version}'),
                       "Qt: its source's version, patches and configure options")
        result.require(all(has_notice(p.read_text()) for p in (notices / 'recipe').iterdir()),
                       "Qt: the scripts that build it")
    print(f'windows-notices: {result.failed} failed')
    return 1 if result.failed else 0


def main():
    parser = argparse.ArgumentParser()
    commands = parser.add_subparsers(dest='command', required=True)
    h = commands.add_parser('harvest')
    h.add_argument('--source', required=True)
    h.add_argument('--build')
    h.add_argument('--built-from', help='where the build saw the source, if it has moved')
    h.add_argument('--dsc', required=True)
    h.add_argument('--version', required=True, help="Debian's version of the qt6-base source")
    h.add_argument('--out', required=True)
    h.add_argument('--recipe', action='append', default=[])
    h.add_argument('--option', action='append', default=[])
    for name in ('write', 'check'):
        c = commands.add_parser(name)
        c.add_argument('--package', required=True)
        c.add_argument('--qt-prefix', required=True)
        c.add_argument('--compiler', required=True)
        c.add_argument('--licence', required=True)
        if name == 'check':
            c.add_argument('--objdump', required=True)
            c.add_argument('--system-dir', required=True)
    dlls = commands.add_parser('install-dlls')
    dlls.add_argument('--package', required=True)
    dlls.add_argument('--objdump', required=True)
    dlls.add_argument('--folder', action='append', default=[])
    dlls.add_argument('--strip')
    page = commands.add_parser('licence-page')
    page.add_argument('--licence', required=True)
    page.add_argument('--out', required=True)
    arguments = parser.parse_args()
    if arguments.command == 'harvest':
        harvest(arguments)
    elif arguments.command == 'install-dlls':
        install_dlls(arguments)
    elif arguments.command == 'licence-page':
        licence_page(arguments)
    elif arguments.command == 'write':
        write(arguments)
    else:
        sys.exit(check(arguments))


if __name__ == '__main__':
    main()
