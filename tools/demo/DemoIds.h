#pragma once
// Resource and control ids of the stand-in programs, shared with tests.
#define DemoProgramIcon 1
#define DemoWordListIcon 2
#define DemoTitleLabel 101
#define DemoPathLabel 102
#define DemoContentsEdit 103
