// Tormin: sorts Clasical.dat of the current directory by Identity.

#include "sort/sort_tool.h"

int main() {
    return sorting::runSortTool("Tormin", store::Field::Identity);
}
