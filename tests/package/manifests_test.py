#!/usr/bin/python3
# The manifests the packages hold for winget and Scoop, as a catalogue would
# take them: each validates against its published schema (packaging/schemas),
# winget's read strictly, refusing a field its schema does not name, as
# `winget validate` does; every address names a file of the packages folder
# under the release's version, with that file's sum, and every installer and
# zip the sums list is named for both architectures; every installer switch is
# one the installer tests run the installers with; Scoop keeps the INI file
# the program names after the executable its shortcut starts, which its
# pre_install makes, empty, until one is kept; checkver finds the version in
# the setup file's name, and autoupdate's addresses with it put in are these.
# Usage: manifests_test.py <build root> <ini-file-name program>
#
# Debian's own Python, which has the libraries setup.sh installs; a python3
# found first on PATH may not.
import hashlib
import json
import re
import subprocess
import sys
import zipfile
from pathlib import Path

import yaml
from jsonschema import Draft7Validator, FormatChecker

ROOT = Path(__file__).resolve().parents[2]
SCHEMAS = ROOT / "packaging" / "schemas"
ARCHITECTURES = {"x86", "x64"}
failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
    return ok


def strict(schema):
    """The schema with every object that lists its properties refusing any other."""
    if isinstance(schema, dict):
        if "properties" in schema:
            schema.setdefault("additionalProperties", False)
        for value in schema.values():
            strict(value)
    elif isinstance(schema, list):
        for value in schema:
            strict(value)
    return schema


def validate(name, document, schema):
    for error in Draft7Validator(schema, format_checker=FormatChecker()).iter_errors(document):
        where = "/".join(str(part) for part in error.absolute_path) or "top level"
        failures.append(f"{name}, {where}: {error.message}")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def tested_switches():
    """Every word of the arguments the installer tests run an installer with (not an uninstaller)."""
    words = set()
    for source in sorted((ROOT / "tests" / "package").glob("*.cpp")):
        for call in re.finditer(r"\bRunToEnd\(([^,;]*),([^;]*)\)", source.read_text()):
            if re.search(r"[Ii]nstaller", call.group(1)) and not re.search(r"[Uu]ninstall", call.group(1)):
                for literal in re.findall(r'"((?:[^"\\]|\\.)*)"', call.group(2)):
                    words.update(literal.split())
    return words


class Release:
    """The packages folder, its sums file and the manifests it holds, read once."""

    def __init__(self, build_root):
        self.version = subprocess.run([ROOT / "packaging" / "version.sh"], check=True, capture_output=True,
                                      text=True).stdout.strip()
        self.packages = build_root / "packages"
        (self.sums_file,) = self.packages.glob("*-SHA256SUMS.txt")
        self.listed = [line.split()[1].lstrip("*") for line in self.sums_file.read_text().splitlines()]
        manifests = self.packages / "manifests"
        self.winget = {path.name: yaml.safe_load(path.read_text()) for path in (manifests / "winget").glob("*")}
        self.by_type = {document.get("ManifestType"): document for document in self.winget.values()}
        self.scoop = json.loads((manifests / "scoop" / "corvane.json").read_text())


def valid(release):
    for name, document in release.winget.items():
        kind, manifest_version = document.get("ManifestType"), document.get("ManifestVersion")
        schema = SCHEMAS / f"winget-{manifest_version}" / f"manifest.{kind}.{manifest_version}.json"
        if check(schema.is_file(), f"{name}: no schema {schema.relative_to(ROOT)}"):
            validate(name, document, strict(json.loads(schema.read_text())))
    validate("corvane.json", release.scoop, json.loads((SCHEMAS / "scoop" / "schema.json").read_text()))
    if not failures:
        types = {"version", "installer", "defaultLocale"}
        check(types <= release.by_type.keys(), f"winget: not the three manifests: {sorted(release.winget)}")
        used = {"architecture", "shortcuts", "persist", "pre_install", "checkver", "autoupdate"}
        check(used <= release.scoop.keys(), f"scoop: no {sorted(used - release.scoop.keys())}")
    return not failures


def check_names(release):
    identifier = release.by_type["version"]["PackageIdentifier"]
    locale = release.by_type["version"]["DefaultLocale"]
    check(sorted(release.winget) == sorted([f"{identifier}.yaml", f"{identifier}.installer.yaml",
                                            f"{identifier}.locale.{locale}.yaml"]),
          f"winget: the files are not named as the catalogue names them: {sorted(release.winget)}")
    check(all((d["PackageIdentifier"], d["PackageVersion"]) == (identifier, release.version)
              for d in release.winget.values())
          and release.by_type["defaultLocale"]["PackageLocale"] == locale
          and release.scoop["version"] == release.version,
          f"the manifests are not all of {identifier} {release.version} in {locale}")


def check_addresses(release):
    """Each address with its sum; returns the base all of them share."""
    installers = release.by_type["installer"]["Installers"]
    addressed = [(f"winget {e['Architecture']} {e.get('Scope')}", e["InstallerUrl"], e["InstallerSha256"])
                 for e in installers]
    addressed += [(f"scoop {arch}", e.get("url"), e.get("hash")) for arch, e in release.scoop["architecture"].items()]
    bases = set()
    for where, url, digest in addressed:
        base, _, name = str(url).rpartition(f"/{release.version}/")
        bases.add(base)
        if check(base and "/" not in name and (release.packages / name).is_file(),
                 f"{where}: {url} names no file of the packages under version {release.version}"):
            check(str(digest).lower() == sha256(release.packages / name), f"{where}: {digest} is not the sum of {name}")
    check(len(bases) == 1, f"the addresses have more than one base: {sorted(bases)}")
    named = {(e["InstallerUrl"].rpartition("/")[2], e["Architecture"]) for e in installers}
    for name in (n for n in release.listed if n.endswith(".exe")):
        check({(name, a) for a in ARCHITECTURES} <= named, f"winget: {name} is not named for both architectures")
    check(sorted(release_zips(release)) == sorted(n for n in release.listed if n.endswith(".zip")),
          f"scoop: the zips named are {release_zips(release)}")
    return bases.pop()


def release_zips(release):
    return [str(e.get("url")).rpartition("/")[2] for e in release.scoop["architecture"].values()]


def check_switches(release):
    installer = release.by_type["installer"]
    switches = [installer.get("InstallerSwitches") or {}]
    switches += [e.get("InstallerSwitches") or {} for e in installer["Installers"]]
    tested = tested_switches()
    for word in {word for s in switches for value in s.values() for word in str(value).split()}:
        check(word in tested, f"winget: the installer tests never run an installer with {word}")


def check_kept_settings(release, ini_file_name):
    scoop = release.scoop
    for program, *_ in scoop["shortcuts"]:
        for name in release_zips(release):
            with zipfile.ZipFile(release.packages / name) as archive:
                check(program in archive.namelist(), f"scoop: {name} holds no {program} for the shortcut")
    program = scoop["shortcuts"][0][0]
    ini = subprocess.run([ini_file_name, program], check=True, capture_output=True, text=True).stdout.strip()
    check(scoop["persist"] in (ini, [ini]),
          f"scoop: persists {scoop['persist']}, not {ini}, the file {program} keeps its settings in")
    pre_install = scoop["pre_install"]
    pre_install = pre_install if isinstance(pre_install, str) else "\n".join(pre_install)
    kept = re.findall(r'Test-Path "\$persist_dir\\([^"]+)"', pre_install)
    made = re.findall(r'New-Item "\$dir\\([^"]+)" -ItemType File\b', pre_install)
    check(kept == [ini] and made == [ini] and pre_install.count("New-Item") == 1,
          f"scoop: pre_install does not make {ini} alone, and only when none is kept: {pre_install}")


def check_updates(release, base):
    scoop, version = release.scoop, release.version
    found = re.search(scoop["checkver"]["regex"], " ".join(release.listed))
    check(scoop["checkver"]["url"] == f"{base}/" and found and found.group(1) == version,
          f"scoop: checkver does not find {version} in the setup file's name at {base}/")
    autoupdate = scoop["autoupdate"]
    for arch, entry in autoupdate["architecture"].items():
        check(entry["url"].replace("$version", version) == scoop["architecture"][arch]["url"],
              f"scoop: autoupdate's {arch} address is not this version's for {version}")
    sums = f"{base}/{version}/{release.sums_file.name}"
    check(autoupdate["hash"]["url"].replace("$version", version) == sums,
          f"scoop: autoupdate's sums are not at {sums} for {version}")


def main():
    release = Release(Path(sys.argv[1]))
    if valid(release):
        check_names(release)
        base = check_addresses(release)
        check_switches(release)
        check_kept_settings(release, sys.argv[2])
        check_updates(release, base)


main()
for failure in failures:
    print(f"FAILED: {failure}")
if failures:
    sys.exit(f"manifests: {len(failures)} failures")
print("manifests: valid against their schemas, every address a file of the packages with its sum, "
      "the switches tested, the INI file kept, checkver and autoupdate following the release")
