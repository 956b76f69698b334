#!/usr/bin/python3
# Writes the manifests that winget and Scoop install a release from into
# <packages>/manifests, from the files and sums make-packages.sh has just put
# there: manifests/winget/ (the multi-file manifest of schema 1.12.0, its files
# named as the winget catalogue names them) and manifests/scoop/corvane.json.
# Each installer the sums list gets an entry for both architectures: the
# per-user one, and the all-users one when the packages hold it.
#
# Every file is named by its address <base>/<version>/<file>, the base taken
# from CORVANE_RELEASE_URL; without it, a placeholder under the maker's domain
# that names no real server, and one line says so. The same packages and base
# give the same bytes.
# Usage: make-manifests.py <packages folder> <version>
#
# Debian's own Python, which has the YAML library setup.sh installs; a python3
# found first on PATH may not.
import json
import os
import re
import sys
from pathlib import Path

import yaml

ROOT = Path(__file__).resolve().parent.parent
MANIFEST_VERSION = "1.12.0"
LOCALE = "en-US"
LICENSE = "Proprietary"  # until the project chooses a licence
DESCRIPTION = ("Tray utility beside the Zendry file-sharing client: "
               "live network statistics and an acceleration toggle")
TAGS = ["network", "statistics", "tray", "zendry", "file-sharing"]
# NSIS installers take /S for a silent run; it shows no progress either.
SILENT = "/S"
# The installers by the end of their names. The per-user one installs for the
# account that runs it, so it must not run elevated (run as another
# administrator, it would install for that one); the all-users one asks for
# the rights itself.
USER_INSTALLER = "setup"
INSTALLERS = (
    (USER_INSTALLER, "user", "elevationProhibited"),
    ("setup-allusers", "machine", "elevatesSelf"),
)
# Both installers hold both builds and install the one the Windows takes.
ARCHITECTURES = ("x86", "x64")
# Scoop's architectures and the portable zips for them.
ZIPS = (("64bit", "x64"), ("32bit", "x86"))


def fail(message):
    sys.exit(f"manifests: {message}")


def single_value(pattern, files, what):
    """The one value a pattern's group finds in the files; fails on none or several."""
    values = {m.group(1) for f in files for m in re.finditer(pattern, f.read_text(), re.MULTILINE)}
    if len(values) != 1:
        fail(f"expected one {what}, found {sorted(values) or 'none'}")
    return values.pop()


def installer_define(name):
    """A !define of the installer scripts: they write these into Apps & features."""
    scripts = sorted((ROOT / "packaging").glob("*.ns[ih]"))
    return single_value(rf'^!define\s+{name}\s+"([^"]*)"', scripts, f"!define {name} in the installer scripts")


class Release:
    def __init__(self, packages, version):
        self.version = version
        self.product = installer_define("PRODUCT")
        self.publisher = installer_define("PUBLISHER")
        self.uninstall_key = installer_define("UNINSTALL_KEY").rsplit("\\", 1)[-1]
        # The domain the program gives its updater as its maker's.
        domain = single_value(r'kMakerDomain = "([^"]+)"', [ROOT / "res" / "ProductInfo.h"], "maker's domain")
        self.homepage = f"https://{domain}/"
        self.base = os.environ.get("CORVANE_RELEASE_URL", "").rstrip("/")
        if not self.base:
            self.base = f"https://{domain}/releases"
            print(f"packages: the manifests name the placeholder release address {self.base}"
                  " (set CORVANE_RELEASE_URL to the real one)")
        elif not re.match(r"https?://[^/\s]+", self.base):
            fail(f"CORVANE_RELEASE_URL is no http or https address: {self.base}")
        self.sums = {}
        for line in (packages / self.file_name("SHA256SUMS.txt")).read_text().splitlines():
            digest, name = line.split(maxsplit=1)
            self.sums[name.lstrip("*")] = digest

    def file_name(self, end, version=None):
        return f"{self.product}-{version or self.version}-{end}"

    def url(self, name, version=None):
        return f"{self.base}/{version or self.version}/{name}"


def yaml_text(schema, fields):
    header = f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.{schema}.{MANIFEST_VERSION}.schema.json\n"
    return header + yaml.safe_dump(fields, sort_keys=False, allow_unicode=True, width=4096)


def winget_manifests(release):
    identifier = f"{release.publisher}.{release.product}"
    installers = []
    for end, scope, elevation in INSTALLERS:
        name = release.file_name(f"{end}.exe")
        if name in release.sums:
            installers += [{
                "Architecture": architecture,
                "Scope": scope,
                "InstallerUrl": release.url(name),
                "InstallerSha256": release.sums[name].upper(),
                "ElevationRequirement": elevation,
            } for architecture in ARCHITECTURES]
    if not installers:
        fail("the sums list no installer")
    common = {"PackageIdentifier": identifier, "PackageVersion": release.version}
    return {
        f"{identifier}.yaml": yaml_text("version", {
            **common,
            "DefaultLocale": LOCALE,
            "ManifestType": "version",
            "ManifestVersion": MANIFEST_VERSION,
        }),
        f"{identifier}.installer.yaml": yaml_text("installer", {
            **common,
            "InstallerType": "nullsoft",
            "InstallerSwitches": {"Silent": SILENT, "SilentWithProgress": SILENT},
            "UpgradeBehavior": "install",
            "AppsAndFeaturesEntries": [{
                "DisplayName": release.product,
                "Publisher": release.publisher,
                "DisplayVersion": release.version,
                "ProductCode": release.uninstall_key,
            }],
            "Installers": installers,
            "ManifestType": "installer",
            "ManifestVersion": MANIFEST_VERSION,
        }),
        f"{identifier}.locale.{LOCALE}.yaml": yaml_text("defaultLocale", {
            **common,
            "PackageLocale": LOCALE,
            "Publisher": release.publisher,
            "PackageName": release.product,
            "PackageUrl": release.homepage,
            "License": LICENSE,
            "ShortDescription": DESCRIPTION,
            "Moniker": release.product.lower(),
            "Tags": TAGS,
            "ManifestType": "defaultLocale",
            "ManifestVersion": MANIFEST_VERSION,
        }),
    }


def scoop_manifest(release):
    # The program keeps its settings in the INI file named after itself,
    # beside itself. The zip holds none, and Scoop persists a name it finds
    # nowhere as a folder: an empty file is made first unless one is kept.
    settings = f"{release.product}.ini"
    manifest = {
        "version": release.version,
        "description": DESCRIPTION,
        "homepage": release.homepage,
        "license": LICENSE,
        "architecture": {
            scoop: {
                "url": release.url(release.file_name(f"{architecture}.zip")),
                "hash": release.sums[release.file_name(f"{architecture}.zip")],
            } for scoop, architecture in ZIPS
        },
        "pre_install": f'if (!(Test-Path "$persist_dir\\{settings}")) '
                       f'{{ New-Item "$dir\\{settings}" -ItemType File | Out-Null }}',
        "shortcuts": [[f"{release.product}.exe", release.product]],
        "persist": settings,
        "checkver": {
            "url": f"{release.base}/",
            "regex": release.file_name(rf"{USER_INSTALLER}\.exe", version=r"([\d.]+)"),
        },
        "autoupdate": {
            "architecture": {
                scoop: {"url": release.url(release.file_name(f"{architecture}.zip", "$version"), "$version")}
                for scoop, architecture in ZIPS
            },
            "hash": {"url": release.url(release.file_name("SHA256SUMS.txt", "$version"), "$version")},
        },
    }
    return {f"{release.product.lower()}.json": json.dumps(manifest, indent=4, ensure_ascii=False) + "\n"}


def write(folder, files):
    folder.mkdir(parents=True, exist_ok=True)
    for name, text in files.items():
        (folder / name).write_text(text, encoding="utf-8", newline="\n")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-manifests.py <packages folder> <version>")
    packages = Path(sys.argv[1])
    release = Release(packages, sys.argv[2])
    write(packages / "manifests" / "winget", winget_manifests(release))
    write(packages / "manifests" / "scoop", scoop_manifest(release))


main()
