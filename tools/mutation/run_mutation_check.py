#!/usr/bin/env python3
"""Mutation check: applies each fault of faults.txt, one at a time, to a
scratch copy of the tree, builds the native tests and runs them. Prints
which faults the suite caught, the score and the survivors.

  tools/mutation/run_mutation_check.py [--check] [name-part ...]

--check only verifies that every fault's old text is found once. Names
select the faults whose name contains one of them. The scratch copy and
its build folder (no sanitizers) are kept in $CORVEL_MUTATION_DIR
(default /tmp/corvel-mutation-<uid>) and reused by the next run.
Not part of CI: a full run takes many minutes."""

import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
# Tests that take long and check nothing a fault here could break.
SLOW = "TenMegabytesOnOneLine|KilledWriterLeavesOldOrNewFile"


def parse(path):
    faults, fault = [], None
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.rstrip("\n")
        if line.startswith("[") and "]" in line:
            name, _, what = line[1:].partition("]")
            fault = {"name": name, "what": what.strip(), "line": number}
            faults.append(fault)
            continue
        for field in ("file", "old", "new"):
            for tag, joiner in ((field + ": ", None), (field + "+ ", "\n")):
                if fault is not None and line.startswith(tag):
                    value = line[len(tag):]
                    if joiner and field in fault:
                        fault[field] += joiner + value
                    else:
                        fault[field] = value
    for fault in faults:
        missing = [f for f in ("file", "old", "new") if f not in fault]
        if missing:
            sys.exit("faults.txt line %d: %s lacks %s" % (fault["line"], fault["name"], missing))
    return faults


def sh(args, cwd, log):
    with open(log, "a") as out:
        out.write("\n$ " + " ".join(args) + "\n")
        out.flush()
        return subprocess.call(args, cwd=cwd, stdout=out, stderr=subprocess.STDOUT)


def copy_tree(scratch):
    listed = subprocess.check_output(
        ["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT).decode().split("\0")
    for name in filter(None, listed):
        source, target = os.path.join(ROOT, name), os.path.join(scratch, name)
        if not os.path.isfile(source):
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if not os.path.exists(target) or open(source, "rb").read() != open(target, "rb").read():
            shutil.copy2(source, target)


def main():
    args = sys.argv[1:]
    check_only = "--check" in args
    wanted = [a for a in args if a != "--check"]
    faults = [f for f in parse(os.path.join(HERE, "faults.txt"))
              if not wanted or any(w in f["name"] for w in wanted)]

    stale = []
    for fault in faults:
        path = os.path.join(ROOT, fault["file"])
        count = open(path, encoding="utf-8").read().count(fault["old"]) if os.path.exists(path) else 0
        if count != 1:
            stale.append(fault["name"])
            print("stale     %-38s old text found %d times in %s" % (fault["name"], count, fault["file"]))
    if check_only:
        print("%d faults, %d stale" % (len(faults), len(stale)))
        return 1 if stale else 0

    scratch = os.environ.get("CORVEL_MUTATION_DIR", "/tmp/corvel-mutation-%d" % os.getuid())
    build = os.path.join(scratch, "build")
    log = os.path.join(scratch, "mutation.log")
    os.makedirs(scratch, exist_ok=True)
    open(log, "w").close()
    copy_tree(scratch)
    configure = ["cmake", "-S", scratch, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                 "-DCORVEL_SANITIZE=OFF"]
    run_tests = ["ctest", "--test-dir", build, "-E", SLOW, "-j2", "--stop-on-failure",
                 "--timeout", "120"]
    if sh(configure, scratch, log) or sh(["cmake", "--build", build], scratch, log):
        sys.exit("the unchanged tree does not build; see " + log)
    if sh(run_tests, scratch, log):
        sys.exit("the native tests fail on the unchanged tree; see " + log)

    caught, survived, unbuildable = [], [], []
    for fault in faults:
        if fault["name"] in stale:
            continue
        path = os.path.join(scratch, fault["file"])
        original = open(path, encoding="utf-8").read()
        start = time.time()
        try:
            with open(path, "w", encoding="utf-8") as out:
                out.write(original.replace(fault["old"], fault["new"]))
            if sh(["cmake", "--build", build], scratch, log):
                unbuildable.append(fault)
                verdict = "no build"
            elif sh(run_tests, scratch, log):
                caught.append(fault)
                verdict = "caught"
            else:
                survived.append(fault)
                verdict = "SURVIVED"
        finally:
            with open(path, "w", encoding="utf-8") as out:
                out.write(original)
        print("%-9s %-38s %4.0fs  %s" % (verdict, fault["name"], time.time() - start, fault["what"]),
              flush=True)

    sh(["cmake", "--build", build], scratch, log)  # leaves the build as the tree is
    counted = len(caught) + len(survived)
    print("\nscore: %d of %d caught (%.0f %%); %d stale, %d did not build"
          % (len(caught), counted, 100.0 * len(caught) / max(counted, 1), len(stale), len(unbuildable)))
    for fault in survived:
        print("survivor: %s (%s): %s" % (fault["name"], fault["file"], fault["what"]))
    for fault in unbuildable:
        print("no build: %s (%s)" % (fault["name"], fault["file"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
