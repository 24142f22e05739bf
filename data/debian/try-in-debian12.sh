#!/bin/sh
# SPDX-License-Identifier: MIT
# Tries the package as a school's machine gets it: in a fresh Debian 12 root (debootstrap), as root,
# with the network to Debian's mirror. Installs the package with apt-get, starts Wortilo as a
# teacher from a shell and through the menu entry's Exec line (on an Xvfb display run outside the
# root, so the root holds nothing but Debian 12 and what the package pulls in), opens the picture
# folder through the entry's action, then removes the package and checks that the teacher's folder
# is untouched. Not a CTest: it needs root, debootstrap, xvfb, x11-utils and imagemagick.
#
#   sudo data/debian/try-in-debian12.sh build/wortilo_<version>_<arch>.deb <scratch folder> [<apt options>]
#
# e.g. --no-install-recommends as the last argument tries it with the package's Depends alone.
set -eu
deb=$(readlink -f "${1:?usage: try-in-debian12.sh <package.deb> <scratch folder>}")
work=$(readlink -m "${2:?usage: try-in-debian12.sh <package.deb> <scratch folder>}")
shift 2
root=$work/root
display=:77
app=de.wortilo.Wortilo

step() { printf '\n== %s\n' "$*"; }
in_root() { chroot "$root" "$@"; }
as_teacher() { chroot "$root" su - lehrerin -c "DISPLAY=$display $*"; }

xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  for m in tmp/.X11-unix dev/pts dev sys proc; do
    mountpoint -q "$root/$m" && umount -l "$root/$m"
  done
  return 0
}
trap cleanup EXIT

if [ ! -d "$root" ]; then
  step "debootstrap bookworm into $root"
  mkdir -p "$work"
  debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >"$work/debootstrap.log"
fi
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
# Unmounting them again must not reach the host's own mounts.
mount --make-rslave "$root/sys"
mount --make-rslave "$root/dev"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp /etc/resolv.conf "$root/etc/resolv.conf"

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@" "/tmp/$(basename "$deb")" \
  >"$work/install.log"
tail -n 3 "$work/install.log"
in_root dpkg -s wortilo | grep -E '^(Status|Version|Depends|Recommends):'
in_root sh -c 'id lehrerin >/dev/null 2>&1 || useradd -m -s /bin/sh lehrerin'

Xvfb "$display" -ac -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
sleep 2

# Starts Wortilo as the teacher through <command>, waits for the main window, takes a screenshot
# <png>, and closes the program again (its process only).
try_start() {
  command=$1 png=$2
  as_teacher "$command" >"$work/run.log" 2>&1 &
  job=$!
  for _ in $(seq 30); do
    DISPLAY=$display xwininfo -root -tree | grep -q 'ortilo (Menü)' && break
    sleep 1
  done
  DISPLAY=$display xwininfo -root -tree | grep 'ortilo (Menü)' || {
    cat "$work/run.log"
    echo "FAIL: no main window"
    exit 1
  }
  sleep 1
  DISPLAY=$display import -window root "$png"
  # The program is a descendant of the job (chroot, su, sh, launcher exec'ing the program).
  pid=$(ps -e -o pid=,ppid=,comm= | awk -v top="$job" '
    { parent[$1] = $2; name[$1] = $3 }
    END { for (p in name) if (name[p] == "wortilo") {
            for (q = p; q in parent && q != top; q = parent[q]) {}
            if (q == top) print p } }')
  kill "$pid"
  wait "$job" || true
}

step "wortilo from a shell"
try_start wortilo "$work/shell.png"
folder=$root/home/lehrerin/.local/share/wortilo
ls "$folder" | wc -l

step "wortilo through the menu entry's Exec line"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app.desktop" | head -n 1)
echo "Exec=$exec_line"
try_start "$exec_line" "$work/menu.png"

step "the action 'Bilderordner öffnen'"
action_line=$(sed -n '/^\[Desktop Action/,$s/^Exec=//p' "$root/usr/share/applications/$app.desktop")
echo "Exec=$action_line"
# A stand-in file manager: xdg-open with no desktop around has nothing to open a folder with.
mkdir -p "$root/usr/local/bin"
printf '#!/bin/sh\necho "xdg-open $*" >/tmp/xdg-open.log\n' >"$root/usr/local/bin/xdg-open"
chmod 755 "$root/usr/local/bin/xdg-open"
as_teacher "$action_line"
cat "$root/tmp/xdg-open.log"
rm "$root/usr/local/bin/xdg-open"

step "the teacher changes the words, then the package is removed and purged"
as_teacher "cp ~/.local/share/wortilo/derHund.gif ~/.local/share/wortilo/derTestwort.gif"
as_teacher "rm ~/.local/share/wortilo/dieKatze.jpg"
before=$(cd "$folder" && sha256sum ./* | sha256sum)
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q wortilo >"$work/remove.log"
in_root dpkg --purge wortilo >>"$work/remove.log" 2>&1
after=$(cd "$folder" && sha256sum ./* | sha256sum)
in_root dpkg -s wortilo 2>&1 | head -n 1 || true
[ ! -e "$root/usr/bin/wortilo" ] && [ ! -e "$root/usr/share/wortilo" ] || {
  echo "FAIL: files left after purge"
  exit 1
}
if [ "$before" = "$after" ] && [ -f "$folder/derTestwort.gif" ] && [ -f "$folder/WORTILO.INI" ]; then
  echo "the teacher's folder is untouched: $(ls "$folder" | wc -l) files"
else
  echo "FAIL: the teacher's folder changed"
  exit 1
fi
echo "PASS"
