# The companion tool t3m: its packages and the README pictures.
