# Sourced by ./run, ./test and bench/run: what the commands need before they
# build. ensure_packages installs the Debian packages given when any is
# missing, quietly: apt's output goes to build/packages.log, which is shown
# only when the installation fails.

CHECKOUT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
PACKAGE_LOG="$CHECKOUT/build/packages.log"

BUILD_PACKAGES=(cmake make g++ qt6-base-dev fonts-dejavu-core fonts-liberation)
# Make stops at a colon in a path; Ninja takes it (though it then rebuilds
# everything each time where the path also holds one of ' & * ? ^ `).
if [[ $CHECKOUT == *:* ]]; then
  BUILD_PACKAGES+=(ninja-build)
  export CMAKE_GENERATOR=Ninja
fi

APT_INSTALL=(apt-get install -y --no-install-recommends)

# How long to wait for another package manager that holds apt's locks, as one
# does in a new machine's first hour.
APT_LOCK_WAIT_SECONDS=1800

# Stops when CMake (3.25) cannot build in the checkout's folder.
refuse_unbuildable_checkout() {
  local ch what
  for ch in '"' '#' ';' '\' '[' ']' '|' '<' '>' $'\n'; do
    [[ $CHECKOUT == *"$ch"* ]] || continue
    what="'$ch'"
    [ "$ch" = $'\n' ] && what="a line break"
    cat >&2 <<END
CMake cannot build in this folder, as its path holds $what:
    $CHECKOUT
CMake takes no path with any of  " # ; \\ [ ] | < >  or a line break in it.
Move or rename the checkout's folder, then run this command again.
END
    exit 1
  done
}

ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  if ! command -v apt-get >/dev/null; then
    echo "These Debian 12 packages are needed, and this system has no apt-get: ${missing[*]}" >&2
    exit 1
  fi
  local root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      refuse_packages "sudo is not installed" "${missing[@]}"
    elif sudo -n true 2>/dev/null; then
      root=(sudo)
    elif ! [ -t 0 ] || ! [ -t 2 ]; then
      refuse_packages "sudo wants a password, with no terminal here to type it in" "${missing[@]}"
    elif ! id -nG | grep -qwE 'sudo|admin|wheel'; then
      # Only an administrator's password can work: nobody else is asked.
      refuse_packages "you are not in an administrators' group (sudo, admin or wheel)" "${missing[@]}"
    else
      echo "Installing the missing packages needs root: sudo asks for your password."
      sudo -v || refuse_packages "sudo did not let you in" "${missing[@]}"
      root=(sudo)
    fi
  fi

  mkdir -p "$(dirname "$PACKAGE_LOG")"
  : >"$PACKAGE_LOG"
  echo "Installing missing packages: ${missing[*]} ..."
  apt_waiting "${root[@]}" apt-get update -q
  apt_waiting "${root[@]}" env DEBIAN_FRONTEND=noninteractive "${APT_INSTALL[@]}" -q "${missing[@]}"
}

# Runs an apt-get command with its output added to the log, and runs it again
# while another package manager holds a lock that it needs. apt-get update
# (apt 2.6) has no lock timeout of its own, so both commands wait alike.
apt_waiting() {
  local log=$PACKAGE_LOG deadline=$((SECONDS + APT_LOCK_WAIT_SECONDS)) told= start lock
  while :; do
    start=$(($(wc -l <"$log") + 1))
    "$@" </dev/null >>"$log" 2>&1 && return 0
    lock=$(tail -n +"$start" "$log" | grep -m1 'Could not get lock' || true)
    if [ -z "$lock" ] || [ $SECONDS -ge $deadline ]; then
      echo "Installing the packages failed. The package manager's output (kept in $log):" >&2
      tail -n +"$start" "$log" | sed 's/.*\r//' >&2
      exit 1
    fi
    if [ -z "$told" ]; then
      echo "Waiting up to $((APT_LOCK_WAIT_SECONDS / 60)) minutes for another package manager to finish. ${lock#E: }"
      told=1
    fi
    sleep 5
  done
}

# Stops with the line that an administrator can run.
refuse_packages() {
  local reason=$1
  shift
  cat >&2 <<EOF
Missing Debian packages: $*
Installing them needs root, and $reason.
Ask an administrator to run this$(command -v sudo >/dev/null && echo " (or run it yourself with sudo, if you may)"):

    apt-get update && ${APT_INSTALL[*]} $*

then run this command again.
EOF
  exit 1
}
