// A project with every CControls kind, generated whole and compared line by line.
#include "CControlsGenFixture.h"

namespace ornadeck {
namespace {

using test::CControlsGen;
using test::linesOf;

TEST_F(CControlsGen, RichProjectGolden) {
    form.surface().setTitle("Main \"1\"");
    add(form, "Button",
        "Name=Button1|Left=10|Top=20|Width=38|Height=12|Line=Black|Edge=4|"
        "Content=Go \"now\"|Font=Large|ShowForm=Form2");
    add(form, "Switch",
        "Name=Switch1|Left=50|Top=20|Width=30|Height=12|Line=Gray|Edge=2|"
        "State=True|Content=On|Font=LargeBold");
    add(form, "CheckBox", "Name=CheckBox1|Left=90|Top=20|Width=50|State=True|Content=Ok|Font=Bold");
    add(form, "Edit",
        "Name=Edit1|Left=10|Top=40|Width=60|Line=Black|Style=Boxed|"
        "Alignment=Right|Topic=Name:|Content=Bob");
    add(form, "EditLine",
        "Name=EditLine1|Left=80|Top=40|Width=40|Line=White|Style=Plain|Content=x");
    add(form, "Label",
        "Name=Label1|Left=10|Top=55|Width=40|Line=Black|Style=Underlined|"
        "Alignment=Center|Content=Hi");
    add(form, "ListBox",
        "Name=ListBox1|Left=10|Top=70|Width=40|VisibleItems=3|SelectedItem=1|"
        "Items=a,b");
    // The items first: a radio's width is cut to whole cells.
    add(form, "Radio", "Name=Radio1|Items=X,Y|Left=60|Top=70|Width=40|Height=12|SelectedItem=1");
    add(form, "DropDown",
        "Name=DropDown1|Left=60|Top=90|Width=36|VisibleItems=3|SelectedItem=0|"
        "Items=p,q\"r");
    add(form, "PopUp",
        "Name=PopUp1|Left=100|Top=90|Width=30|VisibleItems=2|SelectedItem=-1|Items=");
    const std::string a255(255, 'a'), b45(45, 'b'), c255(255, 'c');
    add(form, "Image",
        "Name=Image1|Clickable=Yes|Left=120|Top=60|Width=40|Height=10|Bits=" + a255 + b45);
    add(form, "Image",
        "Name=Image2|Clickable=No|Left=130|Top=110|Width=10|Height=10|Bits=" + c255 + "c");
    Control* dialog =
        add(form, "Dialog", "Name=Dialog1|Left=3|Top=100|Width=100|Height=50|Content=Pick \"one\"");
    add(form, "Button",
        "Name=Button2|Left=5|Top=6|Width=30|Height=12|Line=Black|Edge=0|Content=Yes", dialog);
    add(form, "Image", "Name=Image3|Clickable=No|Left=40|Top=20|Width=8|Height=8|Bits=ab", dialog);
    Control* file = place("MenuBar");
    Control* editMenu = place("MenuBar");
    edit(form, file,
         "Name=MenuFile|Topic=File|Left=1|Width=40|TopicWidth=30|Items=Open,Quit \"now\"");
    edit(form, editMenu, "Name=MenuEdit|Topic=Edit|Left=40|Width=50|TopicWidth=25|Items=Copy");

    Form second{"Form2"};
    second.surface().setTitle("Second");
    add(second, "Image", "Name=Image4|Clickable=No|Left=2|Top=3|Width=4|Height=4|Bits=f0");

    const Texts t = generate({&form, &second});
    EXPECT_EQ(t.main, linesOf(R"(

#include "Demo.h"
#include "DemoForms.pc"
#include "DemoEvents.pc"

//init
main(){
  graph_on();
  title("");
  Form1();
}

Form1(){
  Form1Controls();
  Form1Contents();
  Form1Draw();
  Form1Events();
}

Dialog1(){
  Dialog1Controls();
  Dialog1Contents();
  Dialog1Draw();
  Dialog1Events();
}

Form2(){
  Form2Controls();
  Form2Contents();
  Form2Draw();
  Form2Events();
}

)"));
    EXPECT_EQ(t.forms, linesOf(R"(
#include "Ccontrols.c"
Chandle Button1, Switch1, CheckBox1, Edit1, EditLine1, Label1, ListBox1, Radio1, DropDown1, PopUp1, Image1, MenuBarForm1, MenuFile, MenuEdit;

Form1Controls(){
  Button1=Cbutton(10,20,38,12,1,4);
  Switch1=Cswitch(50,20,30,12,2,2);
  CheckBox1=Ccheckbox(90,20,50);
  Edit1=Cedit(10,40,60,1,2,2);
  EditLine1=Ceditline(80,40,40,0,0);
  Label1=Clabel(10,55,40,1,1,1);
  ListBox1=Clistbox(10,70,40,3);
  Radio1=Cradio(60,70,40,12);
  DropDown1=Cdropdown(60,90,36,3);
  PopUp1=Cpopup(100,90,30,2);
  Image1=Cimage(120,60,40,10);
  MenuBarForm1=Cmenubar();
  MenuFile=Cmenu(5,40,30);
  MenuEdit=Cmenu(44,50,25);
}
Form1Contents(){
  Csetcontent(Button1,"/f2Go \"now\"");
  Csetcontent(Switch1,"/f7On");
  Csetstate(Switch1,1);
  Csetstate(CheckBox1,1);
  Csetcontent(CheckBox1,"/f1Ok");
  Csettopic(Edit1,"Name:");
  Csetcontent(Edit1,"Bob");
  Csetcontent(EditLine1,"x");
  Csetcontent(Label1,"Hi");
  Csetcursel(ListBox1,1);
  Cadditem(ListBox1,"a");
  Cadditem(ListBox1,"b");
  Csetcursel(Radio1,1);
  Cadditem(Radio1,"X");
  Cadditem(Radio1,"Y");
  Csetcursel(DropDown1,0);
  Cadditem(DropDown1,"p");
  Cadditem(DropDown1,"q\"r");
  Csetcursel(PopUp1,-1);
  Csetcontent(Image1,"28" + "<a255>" + "<b45>");
  Caddmenu(MenuBarForm1,MenuFile);
  Caddmenu(MenuBarForm1,MenuEdit);
  Csettopic(MenuFile,"File");
  Cadditem(MenuFile,"Open");
  Cadditem(MenuFile,"Quit \"now\"");
  Csettopic(MenuEdit,"Edit");
  Cadditem(MenuEdit,"Copy");
}
Form1Draw(){
  title("Main \"1\"");
  clearg();
  Cdraw(Button1);
  Cdraw(Switch1);
  Cdraw(CheckBox1);
  Cdraw(Edit1);
  Cdraw(EditLine1);
  Cdraw(Label1);
  Cdraw(ListBox1);
  Cdraw(Radio1);
  Cdraw(DropDown1);
  Cdraw(PopUp1);
  Cdraw(Image1);
    bitmap(130,110,"0a" + "<c255>" + "c");
}

Chandle hDialog1, Button2;

Dialog1Controls(){
  hDialog1=Cframe(3,100,100,50);
  Button2=Cbutton(8,106,30,12,1,0);
}
Dialog1Contents(){
  Csetcontent(hDialog1,"Pick \"one\"");
  Csetcontent(Button2,"Yes");
}
Dialog1Draw(){
  Cdraw(hDialog1);
  Cdraw(Button2);
    bitmap(43,120,"08" + "ab");
}

Form2Controls(){
}
Form2Contents(){
}
Form2Draw(){
  title("Second");
  clearg();
    bitmap(2,3,"04" + "f0");
}

)",
                               {{"<a255>", a255}, {"<b45>", b45}, {"<c255>", c255}}));
    EXPECT_EQ(t.events, linesOf(R"(
#include "Demo.h"
OnButton1(){
  Form2();
}

OnSwitch1(){
}

OnCheckBox1(){
}

OnEdit1(){
}

OnEditLine1(){
}

OnLabel1(){
}

OnListBox1(){
}

OnRadio1(){
}

OnDropDown1(){
}

OnImage1(){
}

OnMenuBarForm1(string Option){
  switch (Option){
    case "Open":
      //action for menuOpen
      break;
    case "Quit \"now\"":
      //action for menuQuit "now"
      break;
    case "Copy":
      //action for menuCopy
      break;
}
}

Form1Events(){
  int e;
  while(1){
    e=event(1);
    if (Cevent(Button1,e)) OnButton1();
    else if (Cevent(Switch1,e)) OnSwitch1();
    else if (Cevent(CheckBox1,e)) OnCheckBox1();
    else if (Cevent(Edit1,e)) OnEdit1();
    else if (Cevent(EditLine1,e)) OnEditLine1();
    else if (Cevent(Label1,e)) OnLabel1();
    else if (Cevent(ListBox1,e)) OnListBox1();
    else if (Cevent(Radio1,e)) OnRadio1();
    else if (Cevent(DropDown1,e)) OnDropDown1();
    else if (Cevent(Image1,e)) OnImage1();
    else if (Cevent(MenuBarForm1,e)) OnMenuBarForm1(Cgetcontent(MenuBarForm1));
  }
}

OnButton2(){
}

Dialog1Events(){
  int e;
  while(1){
    e=event(1);
    if (Cevent(Button2,e)) OnButton2();
  }
}

Form2Events(){
  int e;
  while(1){
    e=event(1);
  }
}

)"));
    EXPECT_EQ(t.header,
              (Lines{"//Form and dialog prototypes", "Form1();", "Dialog1();", "Form2();"}));
}

} // namespace
} // namespace ornadeck
