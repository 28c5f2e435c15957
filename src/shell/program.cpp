#include "shell/program.h"

Program& program() {
    static Program facts;
    return facts;
}
