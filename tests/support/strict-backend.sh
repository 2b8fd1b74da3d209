#!/bin/sh
# A printer that takes only the media its device URI lists, as a driverless
# printer does: strict://HOST:PORT/NAME,NAME,... A job on any other media is
# cancelled at the device with the printer's reason; any other job goes on to
# socket://HOST:PORT. Without arguments (device discovery) it offers nothing.
[ "$#" -eq 0 ] && exit 0
rest=${DEVICE_URI#strict://}
target=${rest%%/*}
accepted=${rest#*/}
media=
for option in $5; do
    case "$option" in
    media=*) media=${option#media=} ;;
    esac
done
case ",$accepted," in
*",$media,"*)
    DEVICE_URI="socket://$target"
    export DEVICE_URI
    exec "${CUPS_SERVERBIN:-/usr/lib/cups}/backend/socket" "$@"
    ;;
esac
echo "ERROR: Unsupported media-col: $media" >&2
exit 5
