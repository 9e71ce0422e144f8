// The shared precompiled headers are built with this empty source.
