#!/usr/bin/env python3
"""Checks what libzolsolutions.so exports: the C interface of the header, every function of it,
and the public C++ API; no internal symbol and nothing of the libraries linked in.

    check_exports.py LIBRARY HEADER
"""
import re
import subprocess
import sys

INTERNAL_NAMESPACES = ("detail::", "runtime::", "standin::")
PUBLIC_PLATFORM_FUNCTIONS = ("configureSharedSession(",)
CXX_PREFIXES = ("zolsolutions::", "vtable for zolsolutions::", "typeinfo for zolsolutions::",
                "typeinfo name for zolsolutions::")
REQUIRED_CXX = (
    "zolsolutions::ZolTracker::ZolTracker(",
    "zolsolutions::ZolTracker::sendEvent(",
    "zolsolutions::ZolTracker::sendCrashlytics(",
    "zolsolutions::ZolFeatureToggleResponse::fromJson(",
    "zolsolutions::platform::configureSharedSession(",
    "zolsolutions::toJsonObject(",
    "zolsolutions::lowerCamelCaseName",
    "vtable for zolsolutions::ZolErrorProperties",
    "typeinfo for zolsolutions::ZolJsonDecodingError",
    "typeinfo for zolsolutions::ZolNotInitializedError",
)


def exported_symbols(library):
    listing = subprocess.run(["nm", "-D", "--defined-only", "--demangle", library],
                             check=True, capture_output=True, text=True).stdout
    symbols = []
    for line in listing.splitlines():
        parts = line.split(maxsplit=2)
        if len(parts) == 3:
            symbols.append(parts[2])
    return symbols


def is_public_cxx(symbol):
    for prefix in CXX_PREFIXES:
        if symbol.startswith(prefix):
            rest = symbol[len(prefix):]
            if rest.startswith(INTERNAL_NAMESPACES):
                return False
            if rest.startswith("platform::"):
                return rest[len("platform::"):].startswith(PUBLIC_PLATFORM_FUNCTIONS)
            return True
    return False


def declared_functions(header):
    text = open(header, encoding="utf-8").read()
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    # Function declarations, not the callback typedefs "(*ZolSolutions...)".
    return set(re.findall(r"(?<!\(\*)\b(ZolSolutions\w+)\s*\(", text))


def main(library, header):
    symbols = exported_symbols(library)
    stray = [s for s in symbols if not s.startswith("ZolSolutions") and not is_public_cxx(s)]
    exported_c = {s for s in symbols if s.startswith("ZolSolutions")}
    declared = declared_functions(header)
    problems = []
    if stray:
        problems.append("exported but neither the C interface nor the public C++ API:\n  " +
                        "\n  ".join(sorted(stray)[:50]))
    if declared - exported_c:
        problems.append("declared in the header but not exported:\n  " +
                        "\n  ".join(sorted(declared - exported_c)))
    if exported_c - declared:
        problems.append("exported C symbols the header does not declare:\n  " +
                        "\n  ".join(sorted(exported_c - declared)))
    missing = [r for r in REQUIRED_CXX if not any(s.startswith(r) for s in symbols)]
    if missing:
        problems.append("public C++ API not exported:\n  " + "\n  ".join(missing))
    if problems:
        print("\n".join(problems))
        return 1
    print(f"{len(exported_c)} C functions and {len(symbols) - len(exported_c)} public C++ symbols "
          "exported, nothing else")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))
