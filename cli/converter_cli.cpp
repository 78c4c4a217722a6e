// converter-cli: the thirteen views of one 8-byte value in a terminal.
//
//   converter-cli FIELD TEXT [FIELD TEXT ...]
//
// Starts as the window does (uint8 shows "0" and is the active field, every other box shows the
// value zero), pastes each TEXT into its FIELD's box in order, then prints every box.
#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "core/app_state.h"
#include "core/field_table.h"
#include "core/memory_boxes.h"
#include "core/refresh_cycle.h"

static const int kLabelColumn = 12;
static const int kExitUsage = 2;

static void PrintUsage(FILE *out) {
    fprintf(out, "usage: converter-cli FIELD TEXT [FIELD TEXT ...]\n"
                 "Types each TEXT into the box of FIELD, in order, and prints all thirteen views\n"
                 "of the resulting 8-byte value.\n"
                 "FIELD is one of:");
    for (int i = 0; i < kFieldCount; ++i) {
        fprintf(out, " \"%s\"", kFieldTable[i].label);
    }
    fprintf(out, "\n(any case, blanks optional: win32time, ctime). TEXT may start with '-'.\n");
}

// Compares a label and a typed name, ignoring case and blanks.
static bool NameMatchesLabel(const char *name, const char *label) {
    for (;;) {
        while (*name == ' ') {
            ++name;
        }
        while (*label == ' ') {
            ++label;
        }
        if (*name == '\0' || *label == '\0') {
            return *name == *label;
        }
        if (tolower((unsigned char)*name) != tolower((unsigned char)*label)) {
            return false;
        }
        ++name;
        ++label;
    }
}

static const FieldSpec *FieldByName(const char *name) {
    for (int i = 0; i < kFieldCount; ++i) {
        if (NameMatchesLabel(name, kFieldTable[i].label)) {
            return &kFieldTable[i];
        }
    }
    return nullptr;
}

static int FailUsage(const char *problem, const char *detail) {
    fprintf(stderr, "converter-cli: %s%s\n", problem, detail);
    PrintUsage(stderr);
    return kExitUsage;
}

int main(int argc, char **argv) {
    if (argc == 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc < 2) {
        return FailUsage("expected FIELD TEXT pairs", "");
    }
    // Check every pair before touching the boxes, so a bad call prints nothing on stdout.
    for (int i = 1; i < argc; i += 2) {
        if (!FieldByName(argv[i])) {
            return FailUsage("unknown field: ", argv[i]);
        }
        if (i + 1 >= argc) {
            return FailUsage("missing TEXT after field ", argv[i]);
        }
    }
    StartBoxesFromZero();
    for (int i = 1; i + 1 < argc; i += 2) {
        PasteIntoBox(FieldByName(argv[i])->id, argv[i + 1]);
    }
    for (int i = 0; i < kFieldCount; ++i) {
        printf("%-*s%s\n", kLabelColumn, kFieldTable[i].label, BoxText(kFieldTable[i].id));
    }
    return fflush(stdout) == 0 ? 0 : 1;
}
