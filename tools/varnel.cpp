// Varnel: sorts Clasical.dat of the current directory by Composer.

#include "sort/sort_tool.h"

int main() {
    return sorting::runSortTool("Varnel", store::Field::Composer);
}
