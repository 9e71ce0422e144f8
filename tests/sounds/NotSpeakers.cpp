// A module that is not the program's sound output: it lacks the entry the
// program asks a sound output for.

extern "C" __attribute__((visibility("default"))) int NotTheSoundOutput()
{
    return 0;
}
