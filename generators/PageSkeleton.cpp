#include "generators/PageSkeleton.h"

std::string PageSkeleton(bool upperCase, const std::string& title)
{
    if (upperCase)
        return "<HTML>\n<HEAD>\n<TITLE>" + title + "</TITLE>\n</HEAD>\n<BODY>\n\n\n</BODY>\n</HTML>\n\n\n" + kMarkerComment;
    return "<html>\n<head>\n<title>" + title + "</title>\n</head>\n<body>\n\n\n</body>\n</html>\n\n\n" + kMarkerComment;
}
