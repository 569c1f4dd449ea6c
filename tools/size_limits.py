#!/usr/bin/env python3
"""Checks the tree's size limits: no file of app/ over 400 lines, no function over 60 lines outside
midi/ and tests/. Prints each one over its limit and exits 1 if any is.

  tools/size_limits.py [ROOT]        ROOT: the source tree, this script's parent's parent by default

A function is counted from the line that opens its body to the line that closes it. The count reads
C++ well enough for this tree (braces outside comments and strings); it is a guard, not a parser.
"""
import os
import re
import sys

FILE_LIMIT = 400
FUNCTION_LIMIT = 60
SIGNATURE_END = re.compile(r'\)\s*(const)?\s*(noexcept)?\s*(override|final)?\s*(->\s*[\w:<>]+)?\s*(:.*)?$')


def code_of(line, state):
    """The line without comments and string contents; `state` carries a block comment across lines."""
    out, i = [], 0
    while i < len(line):
        if state['comment']:
            end = line.find('*/', i)
            if end < 0:
                return ''.join(out)
            state['comment'], i = False, end + 2
        elif line.startswith('//', i):
            break
        elif line.startswith('/*', i):
            state['comment'], i = True, i + 2
        elif line[i] in '"\'':
            quote, i = line[i], i + 1
            while i < len(line) and line[i] != quote:
                i += 2 if line[i] == '\\' else 1
            out.append('""')
            i += 1
        else:
            out.append(line[i])
            i += 1
    return ''.join(out)


def long_functions(path):
    """(first line, length) of each function body in `path` longer than the limit. Of a conditional
    (#if ... #else ... #endif) only the first branch is read, so that each brace is counted once."""
    found, state, stack, recent, branches = [], {'comment': False}, [], [], []
    with open(path, errors='replace') as source:
        for number, line in enumerate(source, 1):
            directive = line.strip()
            if re.match(r'#\s*if', directive):
                branches.append(False)
            elif re.match(r'#\s*(else|elif)', directive) and branches:
                branches[-1] = True
            elif re.match(r'#\s*endif', directive) and branches:
                branches.pop()
            if any(branches) or directive.startswith('#'):
                continue
            code = code_of(line, state)
            for at, char in enumerate(code):
                if char == '{':
                    head = (' '.join(recent[-2:]) + ' ' + code[:at]).strip()
                    if any(kind == 'function' for kind, _ in stack):
                        kind = 'block'
                    elif re.search(r'\bnamespace\b|\b(class|struct|enum|union)\b[^;()]*$', head) and \
                            not SIGNATURE_END.search(code[:at].strip()):
                        kind = 'scope'
                    else:
                        kind = 'function' if SIGNATURE_END.search(head) else 'block'
                    stack.append((kind, number))
                elif char == '}' and stack:
                    kind, first = stack.pop()
                    if kind == 'function' and number - first + 1 > FUNCTION_LIMIT:
                        found.append((first, number - first + 1))
            if code.strip():
                recent.append(code.strip())
    return found


def main(root):
    faults = []
    for folder, dirs, files in os.walk(root):
        relative = os.path.relpath(folder, root)
        top = relative.split(os.sep)[0]
        if relative != '.' and (top.startswith('.') or top.startswith('build') or top in ('midi', 'tests')):
            dirs.clear()
            continue
        for name in sorted(files):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(folder, name)
            shown = os.path.relpath(path, root)
            if top == 'app':
                with open(path, errors='replace') as source:
                    lines = sum(1 for _ in source)
                if lines > FILE_LIMIT:
                    faults.append(f'{shown}: {lines} lines, over {FILE_LIMIT}')
            for first, length in long_functions(path):
                faults.append(f'{shown}:{first}: a function of {length} lines, over {FUNCTION_LIMIT}')
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..')))
