#include "shell/services/matrixService.h"
#include "shell/shell.h"

MatrixService& Shell::matrix() { return service<MatrixService>(); }
