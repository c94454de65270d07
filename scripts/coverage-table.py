#!/usr/bin/env python3
# coverage-table.py SRC BUILD: line coverage per library target, from gcovr's
# per-file summary. A header counts with the library of its .cpp, else with
# its folder's core library.
import json, os, re, subprocess, sys, collections
src, build = sys.argv[1], sys.argv[2]
cc = json.load(open(os.path.join(build, 'compile_commands.json')))
lib_of = {}
for e in cc:
    m = re.search(r'-o (\S+)', e['command'])
    t = re.search(r'CMakeFiles/([^/]+)\.dir/', m.group(1)).group(1)
    f = os.path.relpath(e['file'], src)
    if f.startswith(('tests/', 'bench/', 'build/')) or '_autogen' in f:
        continue
    lib_of[f] = t
out = subprocess.run(['gcovr', '-r', src, '--json-summary', '-', '--exclude', r'(.*/)?tests/.*',
                      '--exclude', r'(.*/)?bench/.*', '--exclude', r'.*_autogen.*', '--exclude', r'(.*/)?build/.*',
                      '--gcov-ignore-parse-errors', build], capture_output=True, text=True).stdout
data = json.loads(out)
agg = collections.defaultdict(lambda: [0, 0])
for f in data['files']:
    name = f['filename']
    lib = lib_of.get(name)
    if lib is None:
        base = os.path.splitext(name)[0] + '.cpp'
        lib = lib_of.get(base)
    if lib is None:
        folder = name.split('/')[0]
        lib = folder + '_core' if folder not in ('app', 'tools') else folder
    agg[lib][0] += f['line_covered']; agg[lib][1] += f['line_total']
tot = [0, 0]
for lib in sorted(agg):
    c, t = agg[lib]; tot[0] += c; tot[1] += t
    print(f"| {lib} | {c} / {t} | {100.0*c/t:.1f} % |")
print(f"| all | {tot[0]} / {tot[1]} | {100.0*tot[0]/tot[1]:.1f} % |")
