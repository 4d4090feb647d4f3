#!/usr/bin/env python3
"""Include circles among the classes of src/ (a header and its source are one class).

Prints every circle; exits 1 when one passes through input/ or the editor, which
must stay free of them: the input layer is offered to consumers above it, and the
editor sits on top of everything.
"""
import os
import re
import sys

src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', 'src')
edges = {}
for folder, _, files in os.walk(src):
    for name in files:
        if not name.endswith(('.h', '.cpp')):
            continue
        path = os.path.relpath(os.path.join(folder, name), src)
        with open(os.path.join(folder, name)) as f:
            included = re.findall(r'#include "([^"]+)"', f.read())
        cls = os.path.splitext(path)[0]
        edges.setdefault(cls, set()).update(
            os.path.splitext(i)[0] for i in included
            if os.path.exists(os.path.join(src, i)) and os.path.splitext(i)[0] != cls)

# Tarjan's strongly connected components, iteratively.
index, low, on_stack, stack, circles = {}, {}, set(), [], []
for start in list(edges):
    if start in index:
        continue
    work = [(start, iter(sorted(edges.get(start, ()))))]
    index[start] = low[start] = len(index)
    stack.append(start)
    on_stack.add(start)
    while work:
        node, children = work[-1]
        child = next(children, None)
        if child is not None:
            if child not in index:
                index[child] = low[child] = len(index)
                stack.append(child)
                on_stack.add(child)
                work.append((child, iter(sorted(edges.get(child, ())))))
            elif child in on_stack:
                low[node] = min(low[node], index[child])
            continue
        work.pop()
        if work:
            low[work[-1][0]] = min(low[work[-1][0]], low[node])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                circles.append(sorted(component))

forbidden = [c for c in circles if any(m.startswith(('input/', 'editor/')) for m in c)]
for circle in circles:
    print(('NOT ALLOWED: ' if circle in forbidden else 'circle: ') + ' '.join(circle))
sys.exit(1 if forbidden else 0)
