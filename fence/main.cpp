// Never run: the program exists for its link, which fails if a library linked
// into it whole calls a library it may not use.
int main()
{
    return 0;
}
