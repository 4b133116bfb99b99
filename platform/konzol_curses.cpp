// The console on a terminal: curses shows the model and reads keys in cbreak mode without echo.
#include <curses.h>
#include <langinfo.h>

#include <clocale>
#include <cstdio>
#include <cstring>

#include "kodlap.h"
#include "konzol_kimenet.h"

namespace {
bool Fut = false;
}

bool TerminalInditas()
{
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
    initscr();
    if (LINES < KONZOL_MAG || COLS < KONZOL_SZEL) {
        endwin();
        std::fprintf(stderr, "A terminál túl kicsi (%d x %d): legalább %d x %d karakter kell.\n", COLS, LINES,
                     KONZOL_SZEL, KONZOL_MAG);
        return false;
    }
    Fut = true;
    cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    return true;
}

void TerminalKirajzolas(const TKonzolModell& K)
{
    for (int Y = 0; Y < KONZOL_MAG; ++Y)
        for (int X = 0; X < KONZOL_SZEL; ++X) {
            const TKonzolCella& C = K.Cellak[Y][X];
            const wchar_t Jel[2] = {static_cast<wchar_t>(Cp852Karakter(static_cast<unsigned char>(C.Kar))), 0};
            cchar_t Cella;
            setcchar(&Cella, Jel, C.Fenyes ? A_BOLD : A_NORMAL, 0, nullptr);
            mvadd_wch(Y, X, &Cella);
        }
    move(K.Y - 1, K.X - 1);
    refresh();
}

int TerminalBillentyu(int VarMs)
{
    timeout(VarMs);
    wint_t Kar;
    const int Eredmeny = get_wch(&Kar);
    if (Eredmeny == ERR) return NINCS_BILLENTYU;
    if (Eredmeny == KEY_CODE_YES) {
        if (Kar == KEY_BACKSPACE) return '\b';
        if (Kar == KEY_ENTER) return '\r';
        if (Kar == KEY_RESIZE) {
            clearok(stdscr, TRUE);
            refresh();
            return NINCS_BILLENTYU;
        }
        return 0;  // a key without a character
    }
    if (Kar == 4) return BEMENET_VEGE;  // Ctrl+D
    if (Kar == 127) return '\b';
    if (Kar < 0x80) return static_cast<int>(Kar);
    const unsigned char Bajt = Cp852Bajtja(static_cast<char32_t>(Kar));
    return Bajt ? Bajt : '?';
}

void TerminalLezaras()
{
    if (!Fut) return;
    Fut = false;
    endwin();
}
