#include "about_text.h"

const char kAboutText[] =
    "<font color='255,255,255' face='arial' size='12' align='center'><br>"
    "<font size='26' face='Comic Sans MS' style='b' color='255,204,51'>Quenlow</font><br><br>"
    "<font size='12' face='Tahoma'>"
    "<font color='255,255,51'><br>Version 3.201"
    "</font><br><br>"
    // A line of underscores that brightens to its bold middle and fades again.
    "<font color='100,75,25'>____</font>"
    "<font color='125,100,35'>____</font>"
    "<font color='150,115,50'>____</font>"
    "<font color='175,135,65'>____</font>"
    "<font color='200,155,75'>____</font>"
    "<font color='255,204,102' style='b'>______</font>"
    "<font color='200,155,75'>____</font>"
    "<font color='175,135,65'>____</font>"
    "<font color='150,115,50'>____</font>"
    "<font color='125,100,35'>____</font>"
    "<font color='100,75,25'>____</font>"
    // A gap before the loop starts again.
    "<br><br><br><br><br><br></font>";
