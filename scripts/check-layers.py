#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Checks the arrows between the source folders: the engine's topic folders include only their own
# folder and the folders below them, no engine file includes Qt or another layer, no header
# includes itself round a loop, and in the engine and the windows no two units (a header with its
# source) include each other, directly or round a longer loop.
import pathlib
import re
import sys

ENGINE_ORDER = ["base", "time", "sky", "limbs", "day", "report", "present", "calendar", "input"]
# input/ reads texts into the engine's values: it may use every folder above it.
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)


def includes(path):
    return INCLUDE.findall(path.read_text(encoding="utf-8"))


def find_cycle(graph):
    state = {}
    stack = []

    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in graph.get(node, ()):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main(root):
    src = pathlib.Path(root) / "src"
    faults = []
    for layer in ("engine", "files", "ui", "places", "platform"):
        graph = {}
        headers = {}
        for path in sorted((src / layer).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            name = path.relative_to(src).as_posix()
            stem = name.rsplit(".", 1)[0]
            graph.setdefault(stem, set())
            headers.setdefault(name, set())
            for target in includes(path):
                if layer == "engine":
                    if target.startswith("Q") or target.split("/")[0] in ("ui", "places", "platform"):
                        faults.append(f"{name} includes {target}, outside the engine")
                    parts = target.split("/")
                    if parts[0] == "engine" and len(parts) == 3:
                        own, theirs = name.split("/")[1], parts[1]
                        if own != "input" and theirs in ENGINE_ORDER and own in ENGINE_ORDER and \
                                ENGINE_ORDER.index(theirs) > ENGINE_ORDER.index(own):
                            faults.append(f"{name} includes {target}: {own}/ sits below {theirs}/")
                    elif parts[0] == "engine":
                        faults.append(f"{name} includes {target}, which is in no topic folder")
                if target.startswith(layer + "/"):
                    headers[name].add(target)
                    other = target.rsplit(".", 1)[0]
                    if other != stem:
                        graph[stem].add(other)
        cycle = find_cycle(headers)
        if cycle:
            faults.append("headers include each other: " + " -> ".join(cycle))
        # A header and its source are one unit: in the engine and the windows no loop runs between
        # units. (The place directory's private tables complete its class: a unit loop by design.)
        cycle = find_cycle(graph) if layer in ("engine", "ui") else None
        if cycle:
            faults.append("include loop: " + " -> ".join(cycle))
    for fault in faults:
        print(fault)
    if not faults:
        print("the includes run one way")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent))
