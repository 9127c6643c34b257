#!/usr/bin/env bash
# The settings read back with Wine's own reg tool, independent of our code.
#   settings_reg_test.sh WINE-RUN SETTINGSPROBE
# Each Wine start costs seconds, so the reg commands go through one cmd each.
set -uo pipefail
run=$1 probe=$2
keys=('HKEY_LOCAL_MACHINE\Software\Lexovant'
      'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexovant'
      'HKEY_CLASSES_ROOT\.wdl' 'HKEY_CLASSES_ROOT\Lexovant.Wordlist')
each() {  # each VERB ARGS: "reg VERB KEY ARGS" for every key, in one cmd
  local verb=$1 line= key; shift
  for key in "${keys[@]}"; do line+="reg $verb $key $* & "; done  # no blanks in the keys
  "$run" cmd /c "${line% & }" 2>/dev/null | tr -d '\r'
}
trap 'each delete /f >/dev/null' EXIT

"$run" "$probe" Nederlands "Lexovant-woordenlijst" 'C:\Program Files\Lexovant' || { echo "probe failed"; exit 1; }

# Every value as KEY|NAME|TYPE|DATA, the key as reg spells it.
values=$(each query /s | awk '
  /^HKEY_/ { key = $0; next }
  /^    / { sub(/^    /, ""); n = index($0, "    "); name = substr($0, 1, n - 1); rest = substr($0, n + 4)
            m = index(rest, "    "); print key "|" name "|" substr(rest, 1, m - 1) "|" substr(rest, m + 4) }')
expected='HKEY_LOCAL_MACHINE\Software\Lexovant|Language|REG_SZ|Nederlands
HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexovant|DisplayName|REG_SZ|Lexovant
HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexovant|UninstallString|REG_SZ|C:\Program Files\Lexovant\Uninst.exe
HKEY_CLASSES_ROOT\.wdl|(Default)|REG_SZ|Lexovant.Wordlist
HKEY_CLASSES_ROOT\Lexovant.Wordlist|(Default)|REG_SZ|Lexovant-woordenlijst
HKEY_CLASSES_ROOT\Lexovant.Wordlist\DefaultIcon|(Default)|REG_SZ|C:\Program Files\Lexovant\Lexovant.exe,1
HKEY_CLASSES_ROOT\Lexovant.Wordlist\Shell|(Default)|REG_SZ|open
HKEY_CLASSES_ROOT\Lexovant.Wordlist\Shell\open\command|(Default)|REG_SZ|"C:\Program Files\Lexovant\Lexovant.exe" "%1"'
if [ "$(sort <<<"$values")" != "$(sort <<<"$expected")" ]; then
  echo "FAIL: reg query gave:"; echo "$values"
  echo "expected:"; echo "$expected"
  exit 1
fi
echo "all values read back"
